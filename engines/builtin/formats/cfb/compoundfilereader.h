#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

namespace engine {

// Reads the streams of a compound file (version 3). Damaged input (a chain
// that loops or leaves the file, a size beyond what the file holds) throws
// automation::Failure; nothing is allocated beyond the file's own size.
class CompoundFileReader {
public:
    // Checks the header and reads the allocation tables and the directory.
    explicit CompoundFileReader(const QByteArray &bytes);

    // Whether `bytes` start with the compound file signature.
    static bool isCompoundFile(const QByteArray &bytes);
    // The stream called `name` in the root storage; throws when it is missing.
    QByteArray stream(const QString &name) const;

private:
    struct Entry {
        QString name;
        int type = 0;
        uint32_t left = 0, right = 0, child = 0;
        uint32_t start = 0;
        uint32_t size = 0;
    };

    void readHeader();
    void readFat(uint32_t fatSectors, uint32_t difatStart, uint32_t difatSectors);
    void readDirectory(uint32_t start);
    void readMiniFat(uint32_t start, uint32_t sectors);
    std::vector<uint32_t> chain(const std::vector<uint32_t> &table, uint32_t start, uint32_t limit,
                                const QString &what) const;
    QByteArray sectors(const std::vector<uint32_t> &ids) const;
    const Entry *find(const QString &name) const;
    uint32_t sectorCount() const;

    const QByteArray &m_bytes;
    std::vector<uint32_t> m_fat;
    std::vector<uint32_t> m_miniFat;
    std::vector<Entry> m_entries;
    QByteArray m_miniStream;
};

} // namespace engine
