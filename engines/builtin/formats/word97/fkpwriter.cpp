#include "fkpwriter.h"

#include "formats/binary/littleendianwriter.h"

#include <set>

namespace engine {

QByteArray FkpWriter::encode(const QByteArray &properties) const
{
    QByteArray entry;
    if (m_kind == Kind::Character) {
        entry += static_cast<char>(properties.size());
        return entry + properties;
    }
    // A paragraph's count is in words: an odd length fits a byte 2n - 1,
    // an even one follows a zero byte.
    if (properties.size() % 2 == 1) {
        entry += static_cast<char>((properties.size() + 1) / 2);
    } else {
        entry += '\0';
        entry += static_cast<char>(properties.size() / 2);
    }
    return entry + properties;
}

bool FkpWriter::fits(const QByteArray &properties) const
{
    const int header = m_kind == Kind::Character ? 4 + 4 + 1 : 4 + 4 + 13;
    return properties.size() < 255 * (m_kind == Kind::Character ? 1 : 2) - 2
           && header + encode(properties).size() + 2 < pageSize;
}

void FkpWriter::add(uint32_t fcStart, uint32_t fcEnd, const QByteArray &properties)
{
    m_runs.push_back({fcStart, fcEnd, encode(properties)});
}

bool FkpWriter::pageHolds(size_t first, size_t count) const
{
    const int entrySize = m_kind == Kind::Character ? 1 : 13;
    qsizetype used = 4 * static_cast<qsizetype>(count + 1) + entrySize * static_cast<qsizetype>(count) + 2;
    std::set<QByteArray> distinct;
    for (size_t i = first; i < first + count; ++i) {
        if (distinct.insert(m_runs[i].entry).second)
            used += m_runs[i].entry.size() + m_runs[i].entry.size() % 2;
    }
    return count <= 255 && used <= pageSize;
}

void FkpWriter::paginate()
{
    m_pageStarts.clear();
    size_t first = 0;
    while (first < m_runs.size()) {
        m_pageStarts.push_back(first);
        size_t count = 1;
        while (first + count < m_runs.size() && pageHolds(first, count + 1))
            ++count;
        first += count;
    }
}

QByteArray FkpWriter::page(size_t first, size_t count) const
{
    QByteArray out(pageSize, '\0');
    const int entrySize = m_kind == Kind::Character ? 1 : 13;
    const qsizetype offsetsAt = 4 * static_cast<qsizetype>(count + 1);
    QByteArray header;
    LittleEndianWriter w(header);
    for (size_t i = first; i < first + count; ++i)
        w.u32(m_runs[i].fcStart);
    w.u32(m_runs[first + count - 1].fcEnd);
    out.replace(0, header.size(), header);
    // Properties fill the page from its end, each at an even offset and
    // each distinct one once.
    qsizetype free = pageSize - 1;
    std::vector<std::pair<QByteArray, qsizetype>> placed;
    for (size_t i = first; i < first + count; ++i) {
        const QByteArray &entry = m_runs[i].entry;
        qsizetype at = -1;
        for (const auto &[bytes, offset] : placed) {
            if (bytes == entry)
                at = offset;
        }
        if (at < 0) {
            at = (free - entry.size()) & ~qsizetype(1);
            out.replace(at, entry.size(), entry);
            placed.emplace_back(entry, at);
            free = at;
        }
        out[offsetsAt + static_cast<qsizetype>(i - first) * entrySize] = static_cast<char>(at / 2);
    }
    out[pageSize - 1] = static_cast<char>(count);
    return out;
}

QByteArray FkpWriter::pages()
{
    paginate();
    QByteArray out;
    for (size_t p = 0; p < m_pageStarts.size(); ++p) {
        const size_t end = p + 1 < m_pageStarts.size() ? m_pageStarts[p + 1] : m_runs.size();
        out += page(m_pageStarts[p], end - m_pageStarts[p]);
    }
    return out;
}

QByteArray FkpWriter::binTable(uint32_t firstPage) const
{
    QByteArray out;
    LittleEndianWriter w(out);
    for (size_t start : m_pageStarts)
        w.u32(m_runs[start].fcStart);
    w.u32(m_runs.back().fcEnd);
    for (size_t p = 0; p < m_pageStarts.size(); ++p)
        w.u32(firstPage + static_cast<uint32_t>(p));
    return out;
}

} // namespace engine
