#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

namespace engine {

// Writes a compound file (version 3, 512-byte sectors) holding named streams
// in its root storage; streams under 4096 bytes go to the mini stream, as the
// format requires.
class CompoundFileWriter {
public:
    // Adds a stream; names are at most 31 UTF-16 units and unique.
    void addStream(const QString &name, const QByteArray &bytes);
    // The whole file.
    QByteArray write() const;

private:
    struct Stream {
        QString name;
        QByteArray bytes;
        uint32_t start = 0;
    };
    struct Layout;

    std::vector<Stream> m_streams;
};

} // namespace engine
