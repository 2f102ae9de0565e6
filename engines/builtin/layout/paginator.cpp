#include "paginator.h"

#include <algorithm>

namespace engine {
namespace {

constexpr int widowOrphanLines = 2;

int verticalOffsetTwips(long alignment, int slackTwips)
{
    if (alignment == word::wdCellAlignVerticalBottom)
        return slackTwips;
    if (alignment == word::wdCellAlignVerticalCenter)
        return slackTwips / 2;
    return 0;
}

} // namespace

Paginator::Paginator(const PageGeometry &page)
    : m_geometry(page)
{
    newPage();
}

void Paginator::newPage()
{
    m_pages.emplace_back();
    m_yTwips = m_geometry.marginTopTwips;
    m_pageHasContent = false;
}

int Paginator::addParagraph(ParagraphBox paragraph, const VisualLine &shape, std::vector<WaitingLine> *waiting)
{
    const int index = static_cast<int>(m_paragraphs.size());
    const int lineCount = static_cast<int>(paragraph.lines.size());
    for (int i = 0; i < lineCount; ++i) {
        VisualLine line = shape;
        line.paragraph = index;
        line.line = i;
        m_lines.push_back(line);
        if (waiting) {
            const ParagraphLine &paragraphLine = paragraph.lines[static_cast<size_t>(i)];
            const int spaceAfter = i + 1 == lineCount ? paragraph.spaceAfterTwips : 0;
            waiting->push_back({static_cast<int>(m_lines.size()) - 1, paragraphLine.topTwips, paragraphLine.heightTwips,
                                paragraphLine.leadingTwips, spaceAfter, index, i, lineCount});
        }
    }
    m_paragraphs.push_back(std::move(paragraph));
    return index;
}

void Paginator::placeLine(int visualLine, int topTwips)
{
    VisualLine &line = m_lines[static_cast<size_t>(visualLine)];
    line.page = static_cast<int>(m_pages.size()) - 1;
    line.topTwips = topTwips;
    m_pages.back().lines.push_back(visualLine);
    m_pageHasContent = true;
}

void Paginator::placeParagraph(ParagraphBox paragraph)
{
    VisualLine shape;
    shape.columnLeftTwips = m_geometry.marginLeftTwips;
    shape.cellLeftTwips = m_geometry.marginLeftTwips;
    shape.cellRightTwips = m_geometry.widthTwips - m_geometry.marginRightTwips;
    const int spaceAfter = paragraph.spaceAfterTwips;
    const int first = static_cast<int>(m_lines.size());
    const std::vector<ParagraphLine> &lines =
        m_paragraphs[static_cast<size_t>(addParagraph(std::move(paragraph), shape, nullptr))].lines;
    const int count = static_cast<int>(lines.size());
    for (int placed = 0; placed < count;) {
        int fitting = 0;
        for (int y = m_yTwips; placed + fitting < count; ++fitting) {
            y += lines[static_cast<size_t>(placed + fitting)].heightTwips;
            if (y > m_geometry.textBottomTwips())
                break;
        }
        const int onThisPage = placed + fitting == count ? fitting : keptBeforeBreak(placed, fitting, count);
        if (onThisPage == 0 && m_pageHasContent) {
            newPage();
            continue;
        }
        // A page too short for even one line takes one all the same.
        const int taking = std::max(onThisPage, 1);
        for (int i = placed; i < placed + taking; ++i) {
            placeLine(first + i, m_yTwips);
            m_yTwips += lines[static_cast<size_t>(i)].heightTwips;
        }
        placed += taking;
        if (placed < count)
            newPage();
    }
    m_yTwips += spaceAfter;
    m_borderAboveTwips = 0;
}

int Paginator::keptBeforeBreak(int placed, int fitting, int count)
{
    // Outside tables a paragraph broken by a page keeps two lines on each
    // side: no widow at the top of the next page, no orphan at this one's foot.
    int kept = std::min(fitting, count - placed - widowOrphanLines);
    if (placed == 0 && kept < widowOrphanLines)
        kept = 0;
    return std::max(kept, 0);
}

int Paginator::borderTwips(const CellFormat &format, int side)
{
    const BorderLine &line = format.borders[static_cast<size_t>(side)];
    // Word counts border widths in eighths of a point: 2.5 twips each.
    return line.visible() ? std::max(1, static_cast<int>(line.widthEighths * 5 / 2)) : 0;
}

int Paginator::topInsetTwips(const RowBox &row) const
{
    // The line between two rows lies at the top of the lower one and pushes
    // its text down, as LibreOffice lays out Word's tables.
    int inset = m_borderAboveTwips;
    for (const CellBox &cell : row.cells)
        inset = std::max(inset, borderTwips(cell.format, CellFormat::Top));
    return inset;
}

std::vector<Paginator::CellQueue> Paginator::registerRow(RowBox &row)
{
    const int inset = topInsetTwips(row);
    std::vector<CellQueue> cells(row.cells.size());
    for (size_t c = 0; c < row.cells.size(); ++c) {
        CellBox &cell = row.cells[c];
        VisualLine shape;
        shape.columnLeftTwips = cell.textLeftTwips;
        shape.cellEnd = cell.cellEnd;
        shape.rowEnd = row.rowEnd;
        shape.cellLeftTwips = cell.leftTwips;
        shape.cellRightTwips = cell.rightTwips;
        cells[c].contentHeightTwips = inset + cell.contentHeightTwips();
        cells[c].insetTwips = inset;
        int paragraphTop = inset;
        for (ParagraphBox &paragraph : cell.paragraphs) {
            const size_t before = cells[c].waiting.size();
            const int height = paragraph.heightTwips();
            addParagraph(std::move(paragraph), shape, &cells[c].waiting);
            // Slots count from the cell's top, space after each paragraph included.
            for (size_t s = before; s < cells[c].waiting.size(); ++s)
                cells[c].waiting[s].topTwips += paragraphTop;
            paragraphTop += height;
        }
    }
    return cells;
}

void Paginator::addBorders(const CellBox &cell, int topTwips, int bottomTwips, bool first, bool last)
{
    std::vector<RuleLine> &rules = m_pages.back().rules;
    const int width = cell.rightTwips - cell.leftTwips;
    if (const int top = borderTwips(cell.format, CellFormat::Top); top > 0 && first)
        rules.push_back({cell.leftTwips, topTwips, width, top});
    // The bottom line lies just below the row, where the next row keeps room for it.
    if (const int bottom = borderTwips(cell.format, CellFormat::Bottom); bottom > 0 && last)
        rules.push_back({cell.leftTwips, bottomTwips, width, bottom});
    if (const int left = borderTwips(cell.format, CellFormat::Left); left > 0)
        rules.push_back({cell.leftTwips, topTwips, left, bottomTwips - topTwips});
    if (const int right = borderTwips(cell.format, CellFormat::Right); right > 0)
        rules.push_back({cell.rightTwips - right, topTwips, right, bottomTwips - topTwips});
}

bool Paginator::placeWholeRow(const RowBox &row, std::vector<CellQueue> &cells, bool firstPart)
{
    const int minimum = firstPart ? row.minimumHeightTwips : 0;
    int height = minimum;
    // What must lie above the page's foot: a cell's last space after need not.
    int neededContent = 0;
    for (size_t c = 0; c < cells.size(); ++c) {
        const int remaining = cells[c].remainingTwips();
        height = std::max(height, remaining);
        neededContent = std::max(neededContent, remaining - droppableTwips(row, cells[c], c));
    }
    const int needed = std::max(minimum, neededContent);
    const int available = m_geometry.textBottomTwips() - m_yTwips;
    if (needed > available) {
        if (neededContent > available)
            return false;
        // Only lines split a row; a row whose lines fit but whose minimum
        // height does not moves on whole, and a minimum taller than a whole
        // page is cut to the page.
        if (m_pageHasContent) {
            newPage();
            return placeWholeRow(row, cells, firstPart);
        }
        height = available;
    }
    // A row whose last space after runs past the foot aligns its cells within
    // what has to fit.
    placeRemainingLines(row, cells, firstPart, height, height > available ? needed : height);
    m_yTwips += height;
    m_pageHasContent = true;
    m_borderAboveTwips = 0;
    for (const CellBox &cell : row.cells)
        m_borderAboveTwips = std::max(m_borderAboveTwips, borderTwips(cell.format, CellFormat::Bottom));
    return true;
}

int Paginator::droppableTwips(const RowBox &row, const CellQueue &cell, size_t index)
{
    if (cell.next >= cell.waiting.size() || borderTwips(row.cells[index].format, CellFormat::Bottom) > 0)
        return 0;
    const WaitingLine &last = cell.waiting.back();
    const bool shownFirst = cell.waiting[cell.next].paragraph == last.paragraph;
    const bool oneLine = cell.next + 1 == cell.waiting.size();
    return shownFirst && oneLine ? last.spaceAfterTwips : 0;
}

void Paginator::placeRemainingLines(const RowBox &row, std::vector<CellQueue> &cells, bool firstPart, int heightTwips,
                                    int alignedHeightTwips)
{
    for (size_t c = 0; c < cells.size(); ++c) {
        CellQueue &cell = cells[c];
        int content = cell.remainingTwips();
        // A cell taller than the aligned height leaves its last space after out.
        if (content > alignedHeightTwips)
            content -= droppableTwips(row, cell, c);
        const int offset =
            firstPart ? verticalOffsetTwips(row.cells[c].format.verticalAlignment, alignedHeightTwips - content) : 0;
        for (; cell.next < cell.waiting.size(); ++cell.next) {
            const WaitingLine &slot = cell.waiting[cell.next];
            placeLine(slot.visualLine, m_yTwips + offset + slot.topTwips - cell.baseTwips);
        }
        addBorders(row.cells[c], m_yTwips, m_yTwips + heightTwips, firstPart, true);
    }
}

size_t Paginator::fittingLines(const CellQueue &cell, int availableTwips, int droppableTwips, bool firstPart)
{
    size_t count = 0;
    for (size_t s = cell.next; s < cell.waiting.size(); ++s, ++count) {
        const WaitingLine &slot = cell.waiting[s];
        const int bottom = slot.topTwips - cell.baseTwips + slot.heightTwips;
        // A line's text has to fit; below another line its line spacing may
        // hang past the foot.
        const int leading = s > cell.next ? slot.leadingTwips : 0;
        if (bottom - leading > availableTwips)
            break;
        const int spaceAfter = slot.spaceAfterTwips - (s + 1 == cell.waiting.size() ? droppableTwips : 0);
        if (slot.lineInParagraph + 1 < slot.linesInParagraph || bottom + spaceAfter <= availableTwips)
            continue;
        // The paragraph ends here and its space after runs past the foot.
        // LibreOffice lets it do so in some places and not in others.
        const bool first = slot.paragraph == cell.waiting[cell.next].paragraph;
        if (slot.linesInParagraph == 1) {
            // A one-line paragraph stays when it opens the page, else moves on.
            if (first)
                continue;
            break;
        }
        if (first) {
            // The last line moves on, unless that leaves a single line
            // behind: then the whole paragraph goes.
            if (s - cell.next < static_cast<size_t>(widowOrphanLines))
                count = 0;
            break;
        }
        // Below other paragraphs, the first part of a row keeps the whole
        // paragraph; a later part moves its last line on.
        if (!firstPart)
            break;
    }
    return count;
}

void Paginator::keepLastLinesWithRules(const RowBox &row, const std::vector<CellQueue> &cells,
                                       std::vector<size_t> &counts)
{
    // A cell's bottom rule is drawn where the row ends. While the row goes
    // on to the next page, a cell with a rule keeps its last line back for it.
    for (size_t c = 0; c < cells.size(); ++c) {
        const bool finishes = counts[c] > 0 && cells[c].next + counts[c] == cells[c].waiting.size();
        if (finishes && borderTwips(row.cells[c].format, CellFormat::Bottom) > 0)
            --counts[c];
    }
}

void Paginator::placeRowPart(const RowBox &row, std::vector<CellQueue> &cells, const std::vector<size_t> &counts,
                             bool firstPart)
{
    int bottom = m_yTwips;
    for (size_t c = 0; c < cells.size(); ++c) {
        CellQueue &cell = cells[c];
        for (size_t placed = 0; placed < counts[c]; ++placed, ++cell.next) {
            const WaitingLine &slot = cell.waiting[cell.next];
            const int top = m_yTwips + slot.topTwips - cell.baseTwips;
            placeLine(slot.visualLine, top);
            bottom = std::max(bottom, top + slot.heightTwips);
        }
        // Each later part starts below the rule above the row again, as in LibreOffice.
        cell.baseTwips = cell.next < cell.waiting.size() ? cell.waiting[cell.next].topTwips - cell.insetTwips
                                                         : cell.contentHeightTwips;
    }
    for (const CellBox &cell : row.cells)
        addBorders(cell, m_yTwips, bottom, firstPart, false);
}

void Paginator::placeRow(RowBox row)
{
    std::vector<CellQueue> cells = registerRow(row);
    bool firstPart = true;
    while (!placeWholeRow(row, cells, firstPart)) {
        const int available = m_geometry.textBottomTwips() - m_yTwips;
        std::vector<size_t> counts;
        for (size_t c = 0; c < cells.size(); ++c)
            counts.push_back(fittingLines(cells[c], available, droppableTwips(row, cells[c], c), firstPart));
        keepLastLinesWithRules(row, cells, counts);
        const bool any = std::any_of(counts.begin(), counts.end(), [](size_t count) { return count > 0; });
        bool everyCellShown = true;
        for (size_t c = 0; c < cells.size(); ++c)
            everyCellShown = everyCellShown && (counts[c] > 0 || cells[c].next == cells[c].waiting.size());
        if (!everyCellShown && m_pageHasContent) {
            newPage();
            continue;
        }
        // A line taller than a whole page goes on it all the same.
        for (size_t c = 0; c < cells.size() && !any; ++c)
            counts[c] = cells[c].next < cells[c].waiting.size() ? 1 : 0;
        placeRowPart(row, cells, counts, firstPart);
        firstPart = false;
        newPage();
    }
}

DocumentLayout Paginator::finish()
{
    return DocumentLayout(m_geometry, std::move(m_paragraphs), std::move(m_lines), std::move(m_pages));
}

} // namespace engine
