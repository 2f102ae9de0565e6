#include "rowlayouter.h"

#include "model/documentmodel.h"
#include "paragraphlayouter.h"

#include <cmath>

namespace engine {

RowLayouter::RowLayouter(const DocumentModel &model, const ParagraphLayouter &paragraphs, const PageGeometry &page)
    : m_model(model)
    , m_paragraphs(paragraphs)
    , m_page(page)
{
}

CellBox RowLayouter::layoutCell(int cellEnd, int leftTwips, int rightTwips, std::map<int, int> &listOrdinals) const
{
    const Story &story = m_model.story;
    CellBox cell;
    cell.cellEnd = cellEnd;
    cell.leftTwips = leftTwips;
    cell.rightTwips = rightTwips;
    cell.textLeftTwips = leftTwips + cellPaddingTwips;
    cell.format = story.cell(story.at(cellEnd).structure);
    const int widthTwips = rightTwips - leftTwips - 2 * cellPaddingTwips;
    for (int from = story.cellStart(cellEnd); from <= cellEnd;) {
        const int mark = story.paragraphEnd(from);
        const int list = story.paragraphFormat(story.at(mark).paragraphFormat).list;
        const int ordinal = list >= 0 ? ++listOrdinals[list] : 0;
        // An empty paragraph keeps the Normal style's space after, in a cell
        // as anywhere else, as Word and LibreOffice reading the file have it.
        cell.paragraphs.push_back(m_paragraphs.layout(from, mark, widthTwips, ordinal));
        from = mark + 1;
    }
    // The cell's last line takes the height LibreOffice gives a line that
    // ends a cell; the text on it stands where it did.
    if (!cell.paragraphs.empty() && !cell.paragraphs.back().lines.empty()) {
        ParagraphLine &last = cell.paragraphs.back().lines.back();
        last.leadingTwips += last.cellEndHeightTwips - last.heightTwips;
        last.heightTwips = last.cellEndHeightTwips;
    }
    return cell;
}

RowBox RowLayouter::layout(int rowEnd, std::map<int, int> &listOrdinals) const
{
    const Story &story = m_model.story;
    const RowFormat &format = story.row(story.at(rowEnd).structure);
    const TableFormat &table = story.table(format.table);
    RowBox row;
    row.rowEnd = rowEnd;
    row.minimumHeightTwips = static_cast<int>(std::lround(format.minimumHeightPoints * 20));
    const int after = rowEnd + 1;
    if (after < story.size() && (story.at(after).mark == Mark::RowEnd || story.cellEnd(after) >= 0))
        row.endsTable = story.row(story.at(story.rowEnd(after)).structure).table != format.table;
    int left = m_page.marginLeftTwips - cellPaddingTwips;
    size_t column = 0;
    for (int cellEnd : story.rowCells(rowEnd)) {
        const int span = std::max(1, story.cell(story.at(cellEnd).structure).columnSpan);
        double widthPoints = 0;
        for (int i = 0; i < span; ++i, ++column)
            widthPoints += column < table.columnWidthsPoints.size() ? table.columnWidthsPoints[column] : 0;
        const int right = left + static_cast<int>(std::lround(widthPoints * 20));
        row.cells.push_back(layoutCell(cellEnd, left, std::max(right, left + 2 * cellPaddingTwips + 1), listOrdinals));
        left = right;
    }
    return row;
}

} // namespace engine
