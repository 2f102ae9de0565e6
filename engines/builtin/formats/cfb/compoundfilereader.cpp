#include "compoundfilereader.h"

#include "compoundfile.h"
#include "automation/failure.h"
#include "formats/binary/bytecursor.h"

#include <algorithm>

namespace engine {
namespace {

using CF = CompoundFile;

[[noreturn]] void refuse(const QString &detail)
{
    throw automation::Failure(ByteCursor::damaged(detail));
}

} // namespace

CompoundFileReader::CompoundFileReader(const QByteArray &bytes)
    : m_bytes(bytes)
{
    readHeader();
}

bool CompoundFileReader::isCompoundFile(const QByteArray &bytes)
{
    return bytes.startsWith(QByteArray(reinterpret_cast<const char *>(CF::signature), sizeof CF::signature));
}

uint32_t CompoundFileReader::sectorCount() const
{
    return static_cast<uint32_t>((m_bytes.size() - CF::sectorSize) / CF::sectorSize);
}

void CompoundFileReader::readHeader()
{
    if (!isCompoundFile(m_bytes) || m_bytes.size() < 2 * CF::sectorSize)
        refuse(QStringLiteral("no compound file header"));
    ByteCursor header(m_bytes, 24, CF::sectorSize - 24, QStringLiteral("compound file header"));
    header.u16();
    const uint32_t major = header.u16();
    if (major != 3 || header.u16() != 0xFFFE || header.u16() != 9 || header.u16() != 6)
        refuse(QStringLiteral("a compound file of a version or sector size this program does not write"));
    header.skip(6 + 4);
    const uint32_t fatSectors = header.u32();
    const uint32_t directoryStart = header.u32();
    header.skip(4);
    if (header.u32() != CF::miniStreamCutoff)
        refuse(QStringLiteral("an unusual mini stream cutoff"));
    const uint32_t miniFatStart = header.u32();
    const uint32_t miniFatSectors = header.u32();
    const uint32_t difatStart = header.u32();
    const uint32_t difatSectors = header.u32();
    if (fatSectors == 0 || fatSectors > sectorCount() || difatSectors > sectorCount())
        refuse(QStringLiteral("more allocation sectors than the file holds"));
    readFat(fatSectors, difatStart, difatSectors);
    readDirectory(directoryStart);
    readMiniFat(miniFatStart, miniFatSectors);
}

void CompoundFileReader::readFat(uint32_t fatSectors, uint32_t difatStart, uint32_t difatSectors)
{
    std::vector<uint32_t> fatIds;
    ByteCursor header(m_bytes, 76, CF::headerDifatEntries * 4, QStringLiteral("compound file header"));
    for (int i = 0; i < CF::headerDifatEntries && fatIds.size() < fatSectors; ++i)
        fatIds.push_back(header.u32());
    uint32_t difat = difatStart;
    std::vector<bool> seen(sectorCount(), false);
    for (uint32_t i = 0; i < difatSectors && fatIds.size() < fatSectors; ++i) {
        if (difat >= sectorCount() || seen[difat])
            refuse(QStringLiteral("a broken chain of DIFAT sectors"));
        seen[difat] = true;
        ByteCursor sector(m_bytes, (static_cast<qint64>(difat) + 1) * CF::sectorSize, CF::sectorSize,
                          QStringLiteral("DIFAT sector"));
        for (int j = 0; j < 127 && fatIds.size() < fatSectors; ++j)
            fatIds.push_back(sector.u32());
        sector.seek(CF::sectorSize - 4);
        difat = sector.u32();
    }
    if (fatIds.size() != fatSectors)
        refuse(QStringLiteral("fewer FAT sectors listed than announced"));
    m_fat.reserve(static_cast<size_t>(fatSectors) * 128);
    for (uint32_t id : fatIds) {
        if (id >= sectorCount())
            refuse(QStringLiteral("a FAT sector outside the file"));
        ByteCursor sector(m_bytes, (static_cast<qint64>(id) + 1) * CF::sectorSize, CF::sectorSize,
                          QStringLiteral("FAT sector"));
        for (int j = 0; j < 128; ++j)
            m_fat.push_back(sector.u32());
    }
}

std::vector<uint32_t> CompoundFileReader::chain(const std::vector<uint32_t> &table, uint32_t start,
                                                uint32_t limit, const QString &what) const
{
    // A chain visits each sector once and never leaves the table; `limit`
    // bounds it by what the file can hold.
    std::vector<uint32_t> ids;
    std::vector<bool> seen(table.size(), false);
    for (uint32_t id = start; id != CF::endOfChain;) {
        if (id >= table.size() || seen[id] || ids.size() >= limit)
            refuse(QStringLiteral("a broken sector chain in the %1").arg(what));
        seen[id] = true;
        ids.push_back(id);
        id = table[id];
    }
    return ids;
}

QByteArray CompoundFileReader::sectors(const std::vector<uint32_t> &ids) const
{
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(ids.size()) * CF::sectorSize);
    for (uint32_t id : ids) {
        if (id >= sectorCount())
            refuse(QStringLiteral("a sector outside the file"));
        bytes += m_bytes.mid((static_cast<qint64>(id) + 1) * CF::sectorSize, CF::sectorSize);
    }
    return bytes;
}

void CompoundFileReader::readDirectory(uint32_t start)
{
    const QByteArray directory = sectors(chain(m_fat, start, sectorCount(), QStringLiteral("directory")));
    ByteCursor cursor(directory, QStringLiteral("directory"));
    while (cursor.remaining() >= CF::entrySize) {
        Entry entry;
        const QByteArray name = cursor.bytes(64);
        const uint32_t nameBytes = cursor.u16();
        if (nameBytes > 64 || nameBytes % 2 != 0)
            refuse(QStringLiteral("a directory entry with a bad name length"));
        for (uint32_t i = 0; i + 2 < nameBytes; i += 2)
            entry.name += QChar(static_cast<char16_t>(static_cast<unsigned char>(name.at(i))
                                                      | static_cast<unsigned char>(name.at(i + 1)) << 8));
        entry.type = static_cast<int>(cursor.u8());
        cursor.u8();
        entry.left = cursor.u32();
        entry.right = cursor.u32();
        entry.child = cursor.u32();
        cursor.skip(16 + 4 + 16);
        entry.start = cursor.u32();
        entry.size = cursor.u32();
        cursor.u32();
        m_entries.push_back(entry);
    }
    if (m_entries.empty() || m_entries.front().type != 5)
        refuse(QStringLiteral("no root entry"));
    const Entry &root = m_entries.front();
    if (root.size > 0) {
        const QByteArray mini = sectors(chain(m_fat, root.start, sectorCount(), QStringLiteral("mini stream")));
        if (root.size > static_cast<uint32_t>(mini.size()))
            refuse(QStringLiteral("a mini stream longer than its sectors"));
        m_miniStream = mini.left(root.size);
    }
}

void CompoundFileReader::readMiniFat(uint32_t start, uint32_t sectorsCount)
{
    if (sectorsCount == 0)
        return;
    const std::vector<uint32_t> ids = chain(m_fat, start, sectorsCount, QStringLiteral("mini FAT"));
    const QByteArray table = sectors(ids);
    ByteCursor cursor(table, QStringLiteral("mini FAT"));
    m_miniFat.reserve(static_cast<size_t>(cursor.remaining() / 4));
    while (cursor.remaining() >= 4)
        m_miniFat.push_back(cursor.u32());
}

const CompoundFileReader::Entry *CompoundFileReader::find(const QString &name) const
{
    // Walks the root's tree without recursion; each entry is visited once.
    std::vector<uint32_t> pending = {m_entries.front().child};
    std::vector<bool> seen(m_entries.size(), false);
    while (!pending.empty()) {
        const uint32_t id = pending.back();
        pending.pop_back();
        if (id == CF::noStream)
            continue;
        if (id >= m_entries.size() || seen[id])
            refuse(QStringLiteral("a directory tree that loops or points outside the directory"));
        seen[id] = true;
        const Entry &entry = m_entries[id];
        if (entry.type == 2 && entry.name == name)
            return &entry;
        pending.push_back(entry.left);
        pending.push_back(entry.right);
    }
    return nullptr;
}

QByteArray CompoundFileReader::stream(const QString &name) const
{
    const Entry *entry = find(name);
    if (!entry)
        refuse(QStringLiteral("the stream \"%1\" is missing").arg(name));
    if (entry->size >= CF::miniStreamCutoff) {
        if (entry->size > static_cast<uint32_t>(m_bytes.size()))
            refuse(QStringLiteral("the stream \"%1\" claims more bytes than the file holds").arg(name));
        const uint32_t needed = (entry->size + CF::sectorSize - 1) / CF::sectorSize;
        const QByteArray bytes = sectors(chain(m_fat, entry->start, needed, name));
        if (static_cast<uint32_t>(bytes.size()) < entry->size)
            refuse(QStringLiteral("the stream \"%1\" is shorter than its size").arg(name));
        return bytes.left(entry->size);
    }
    if (entry->size == 0)
        return QByteArray();
    const uint32_t needed = (entry->size + CF::miniSectorSize - 1) / CF::miniSectorSize;
    QByteArray bytes;
    for (uint32_t id : chain(m_miniFat, entry->start, needed, name)) {
        if ((static_cast<qint64>(id) + 1) * CF::miniSectorSize > m_miniStream.size())
            refuse(QStringLiteral("the stream \"%1\" lies outside the mini stream").arg(name));
        bytes += m_miniStream.mid(static_cast<qint64>(id) * CF::miniSectorSize, CF::miniSectorSize);
    }
    if (static_cast<uint32_t>(bytes.size()) < entry->size)
        refuse(QStringLiteral("the stream \"%1\" is shorter than its size").arg(name));
    return bytes.left(entry->size);
}

} // namespace engine
