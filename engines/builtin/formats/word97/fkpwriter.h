#pragma once

#include <QByteArray>
#include <cstdint>
#include <vector>

namespace engine {

// Packs runs of text and their properties into 512-byte formatted disk pages
// (FKPs) of character (CHPX) or paragraph (PAPX) properties, and indexes
// them with a bin table (PlcBte).
class FkpWriter {
public:
    enum class Kind { Character, Paragraph };
    static constexpr int pageSize = 512;

    explicit FkpWriter(Kind kind) : m_kind(kind) {}

    // Adds the run [fcStart, fcEnd) of the WordDocument stream; runs come in order.
    // For paragraphs `properties` starts with the style's number.
    void add(uint32_t fcStart, uint32_t fcEnd, const QByteArray &properties);
    // The pages, to be placed at page number `firstPage` of the stream.
    QByteArray pages();
    // The bin table for pages placed from `firstPage` on.
    QByteArray binTable(uint32_t firstPage) const;
    // Whether `properties` fit any page; larger ones cannot be written.
    bool fits(const QByteArray &properties) const;

private:
    struct Run {
        uint32_t fcStart, fcEnd;
        QByteArray entry;
    };
    QByteArray encode(const QByteArray &properties) const;
    QByteArray page(size_t first, size_t count) const;
    bool pageHolds(size_t first, size_t count) const;
    void paginate();

    Kind m_kind;
    std::vector<Run> m_runs;
    // The first run of each page.
    std::vector<size_t> m_pageStarts;
};

} // namespace engine
