#pragma once

#include "model/pagegeometry.h"
#include "rowbox.h"

#include <map>

namespace engine {

struct DocumentModel;
class ParagraphLayouter;

// Lays out table rows: cells on the table's column grid, padded 5.4 pt left and
// right, the table pulled left by as much so that its text lines up with the margin.
class RowLayouter {
public:
    // Lays out rows of `model` with `paragraphs`, on pages shaped like `page`.
    RowLayouter(const DocumentModel &model, const ParagraphLayouter &paragraphs, const PageGeometry &page);

    // The row ending at story position `rowEnd`; `listOrdinals` counts list
    // paragraphs so far, per list, and is advanced.
    RowBox layout(int rowEnd, std::map<int, int> &listOrdinals) const;

    // The padding on each side of a cell's text, in twips.
    static constexpr int cellPaddingTwips = 108;

private:
    CellBox layoutCell(int cellEnd, int leftTwips, int rightTwips, std::map<int, int> &listOrdinals) const;

    const DocumentModel &m_model;
    const ParagraphLayouter &m_paragraphs;
    PageGeometry m_page;
};

} // namespace engine
