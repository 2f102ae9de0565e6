#pragma once

#include <QByteArray>
#include <QString>

namespace automation {
class Failure;
}

namespace engine {

// Reads and writes whole document files, failing with a automation::Failure that names
// the path and the cause.
class DocumentFile {
public:
    // Files larger than this are refused rather than read into memory.
    static constexpr qint64 largestBytes = 64 * 1024 * 1024;

    // Writes `bytes` to `path` completely, then puts the file in place.
    static void write(const QString &path, const QByteArray &bytes);
    static QByteArray read(const QString &path);
    // The failure to open `path`, with `cause` as the reason.
    static automation::Failure openError(const QString &path, const QString &cause);
};

} // namespace engine
