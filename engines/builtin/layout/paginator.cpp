#include "paginator.h"

#include <algorithm>

namespace engine {
namespace {

constexpr int widowOrphanLines = 2;
constexpr int roundingAllowanceTwips = 1;
// Far down a page our line positions drift from LibreOffice's by a few
// twips, so a line ending this close to the foot may touch it there.
constexpr int footDriftTwips = 5;

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
    m_onlySplitRowsRestAbove = false;
    m_openedByRowMovedForItsRule = false;
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
                                paragraphLine.leadingTwips, spaceAfter, index, i, lineCount,
                                paragraph.from >= paragraph.mark, paragraphLine.textHeightTwips});
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
    m_onlySplitRowsRestAbove = false;
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
            // A line's spacing may hang past the foot, as LibreOffice lets it.
            const ParagraphLine &line = lines[static_cast<size_t>(placed + fitting)];
            y += line.heightTwips;
            if (y - line.leadingTwips > m_geometry.textBottomTwips())
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
        cells[c].alignedOffTop = cell.format.verticalAlignment != word::wdCellAlignVerticalTop;
        cells[c].besideOthers = row.cells.size() > 1;
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
    markLongParagraphsElsewhere(cells);
    return cells;
}

void Paginator::markLongParagraphsElsewhere(std::vector<CellQueue> &cells)
{
    // A cell's short last paragraph hangs past the foot differently beside a
    // paragraph of several lines. Each cell's lines are read once, not once
    // for every other cell.
    std::vector<bool> holdsLong(cells.size(), false);
    for (size_t c = 0; c < cells.size(); ++c)
        holdsLong[c] = std::any_of(cells[c].waiting.begin(), cells[c].waiting.end(),
                                   [](const WaitingLine &slot) { return slot.linesInParagraph > 1; });
    const auto cellsWithLong = std::count(holdsLong.begin(), holdsLong.end(), true);
    for (size_t c = 0; c < cells.size(); ++c)
        cells[c].longParagraphElsewhere = cellsWithLong - (holdsLong[c] ? 1 : 0) > 0;
}

void Paginator::addBorders(const CellBox &cell, int topTwips, int bottomTwips, bool first, bool last)
{
    std::vector<RuleLine> &rules = m_pages.back().rules;
    const int width = cell.rightTwips - cell.leftTwips;
    const int bottom = borderTwips(cell.format, CellFormat::Bottom);
    if (const int top = borderTwips(cell.format, CellFormat::Top); top > 0 && first)
        rules.push_back({cell.leftTwips, topTwips, width, top});
    else if (bottom > 0 && !first)
        rules.push_back({cell.leftTwips, topTwips, width, bottom});
    // The bottom line lies just below the row, where the next row keeps room for it.
    if (bottom > 0 && last)
        rules.push_back({cell.leftTwips, bottomTwips, width, bottom});
    if (const int left = borderTwips(cell.format, CellFormat::Left); left > 0)
        rules.push_back({cell.leftTwips, topTwips, left, bottomTwips - topTwips});
    if (const int right = borderTwips(cell.format, CellFormat::Right); right > 0)
        rules.push_back({cell.rightTwips - right, topTwips, right, bottomTwips - topTwips});
}

int Paginator::droppableTwips(const RowBox &row, const CellQueue &cell, size_t index, bool asIfAlone)
{
    // Where a row's minimum height holds a cell's last paragraph, all the
    // cell has left, LibreOffice lets its space after and its last line's
    // spacing hang past the foot of the page, unless a rule lies under it.
    if (cell.next >= cell.waiting.size() || borderTwips(row.cells[index].format, CellFormat::Bottom) > 0)
        return 0;
    const WaitingLine &last = cell.waiting.back();
    if (cell.waiting[cell.next].paragraph != last.paragraph)
        return 0;
    // So it does in a cell aligned off its top for a paragraph of more than
    // one line but too short to leave two lines on each side of a break,
    // which stays whole there, where in a top-aligned cell it moves on; but
    // only where the row's other cells hold no paragraph of several lines:
    // beside one LibreOffice moves its last line on as in a top-aligned cell.
    const int droppable = last.spaceAfterTwips + last.leadingTwips;
    const bool tooShortToBreak = last.linesInParagraph > 1 && last.linesInParagraph < 2 * widowOrphanLines;
    if (cell.alignedOffTop && tooShortToBreak && (asIfAlone || !cell.longParagraphElsewhere))
        return droppable;
    return cell.remainingTwips() - droppable <= row.minimumHeightTwips ? droppable : 0;
}

int Paginator::cellsHangingPastFoot(const RowBox &row, const std::vector<CellQueue> &cells, int availableTwips)
{
    int hanging = 0;
    for (size_t c = 0; c < cells.size(); ++c) {
        const bool offTopKeepsWhole = cells[c].alignedOffTop && droppableTwips(row, cells[c], c, true) > 0
                                      && cells[c].waiting.back().linesInParagraph > 1;
        if (offTopKeepsWhole && cells[c].remainingTwips() > availableTwips)
            ++hanging;
    }
    return hanging;
}

int Paginator::bottomRuleTwips(const RowBox &row)
{
    int widest = 0;
    for (const CellBox &cell : row.cells)
        widest = std::max(widest, borderTwips(cell.format, CellFormat::Bottom));
    return widest;
}

bool Paginator::onlyItsRuleMovesOn(const RowBox &row, const std::vector<CellQueue> &cells, int availableTwips)
{
    // The text of a first line fits in the room above the foot, a twip to spare.
    const int textRoom = availableTwips + bottomRuleTwips(row) - 2 * roundingAllowanceTwips;
    return bottomRuleTwips(row) > 0 && std::any_of(cells.begin(), cells.end(), [&](const CellQueue &cell) {
               return cell.next < cell.waiting.size() && cell.textBottomOf(cell.waiting[cell.next]) <= textRoom;
           });
}

int Paginator::alignedOffsetTwips(const RowBox &row, const CellBox &cell, int slackTwips) const
{
    // On a page opened by a row that its rule alone moved on, LibreOffice
    // sets the lines of a later ruled row below an unruled one at the top of
    // their cells, whatever their alignment.
    if (m_openedByRowMovedForItsRule && m_pageHasContent && m_borderAboveTwips == 0 && bottomRuleTwips(row) > 0)
        return 0;
    return verticalOffsetTwips(cell.format.verticalAlignment, slackTwips);
}

bool Paginator::tallestCellEndsEmpty(const std::vector<CellQueue> &cells, int contentTwips)
{
    bool endsEmpty = false;
    for (const CellQueue &cell : cells) {
        if (cell.remainingTwips() == contentTwips && !cell.waiting.empty()) {
            if (!cell.waiting.back().emptyParagraph)
                return false;
            endsEmpty = true;
        }
    }
    return endsEmpty;
}

int Paginator::roomTwips(const RowBox &row) const
{
    // The last row on a page keeps room below it for its bottom rule.
    // LibreOffice lets a row's content reach one twip past the foot, where
    // its positions, rounded to whole twips, differ from ours by that much.
    return m_geometry.textBottomTwips() - m_yTwips - bottomRuleTwips(row) + roundingAllowanceTwips;
}

bool Paginator::placeWholeRow(const RowBox &row, std::vector<CellQueue> &cells, bool firstPart)
{
    int height = firstPart ? row.minimumHeightTwips : 0;
    int content = 0;
    int neededContent = 0;
    // What the row would need were each cell alone in it.
    int neededAloneContent = 0;
    for (size_t c = 0; c < cells.size(); ++c) {
        content = std::max(content, cells[c].remainingTwips());
        neededContent = std::max(neededContent, cells[c].remainingTwips() - (firstPart ? droppableTwips(row, cells[c], c) : 0));
        neededAloneContent =
            std::max(neededAloneContent, cells[c].remainingTwips() - (firstPart ? droppableTwips(row, cells[c], c, true) : 0));
    }
    height = std::max(height, content);
    int available = roomTwips(row);
    // Text may reach a twip past the foot, an empty paragraph ending the
    // row's tallest cell not at all, as LibreOffice places them.
    if (content == height && tallestCellEndsEmpty(cells, content))
        available -= roundingAllowanceTwips;
    if (height > available) {
        // LibreOffice lets the space after of only one such cell hang past
        // the foot; where several need it, the row goes to the next page,
        // whether text beside them would otherwise have split it or not.
        if (firstPart && m_pageHasContent && neededAloneContent <= available
            && cellsHangingPastFoot(row, cells, available) > 1) {
            newPage();
            return placeWholeRow(row, cells, firstPart);
        }
        // A minimum height taller than the room left: LibreOffice moves the
        // row on where its lines and their space after would fit there, the
        // room for its bottom rule included, and otherwise splits it. The
        // table's last row, ruled below, it moves on as well where only the
        // spacing of its lines would go to the next page.
        if (firstPart && m_pageHasContent && row.minimumHeightTwips > available) {
            const bool onlySpacingPastFoot = std::none_of(
                cells.begin(), cells.end(), [&](const CellQueue &cell) { return textRunsPast(cell, available); });
            const bool movesWhole = content <= available + bottomRuleTwips(row) + roundingAllowanceTwips
                                    || (row.endsTable && bottomRuleTwips(row) > 0 && onlySpacingPastFoot);
            if (!movesWhole)
                return false;
            newPage();
            return placeWholeRow(row, cells, firstPart);
        }
        if (neededContent > available)
            return false;
        if (content > available && row.minimumHeightTwips <= available) {
            // The row stands whole at its minimum height, the last space
            // after of its cells running past the foot.
            placeRemainingLines(row, cells, firstPart, std::max(row.minimumHeightTwips, neededContent));
            m_yTwips += available;
            m_pageHasContent = true;
            m_borderAboveTwips = bottomRuleTwips(row);
            return true;
        }
        // Only lines split a row; a row whose lines fit but whose minimum
        // height does not moves on whole, and a minimum taller than a whole
        // page is cut to the page.
        if (m_pageHasContent) {
            newPage();
            return placeWholeRow(row, cells, firstPart);
        }
        height = available - roundingAllowanceTwips;
    }
    placeRemainingLines(row, cells, firstPart, height);
    m_yTwips += height;
    m_pageHasContent = true;
    m_borderAboveTwips = bottomRuleTwips(row);
    return true;
}

void Paginator::placeRemainingLines(const RowBox &row, std::vector<CellQueue> &cells, bool firstPart, int heightTwips)
{
    for (size_t c = 0; c < cells.size(); ++c) {
        CellQueue &cell = cells[c];
        int content = cell.remainingTwips();
        // A cell taller than the row leaves out what may hang past the foot.
        if (content > heightTwips)
            content -= droppableTwips(row, cell, c);
        // The last part of a split row is laid out as a row of its own: a
        // cell with less left than the others stands where its alignment puts it.
        const int offset = alignedOffsetTwips(row, row.cells[c], heightTwips - content);
        for (; cell.next < cell.waiting.size(); ++cell.next) {
            const WaitingLine &slot = cell.waiting[cell.next];
            placeLine(slot.visualLine, m_yTwips + offset + slot.topTwips - cell.baseTwips);
        }
        addBorders(row.cells[c], m_yTwips, m_yTwips + heightTwips, firstPart, true);
    }
}

size_t Paginator::fittingLines(const CellQueue &cell, int availableTwips, bool firstPart, bool rowSplits,
                               bool heldPastFoot, bool splitSoFar, int minimumHeightTwips)
{
    size_t count = 0;
    for (size_t s = cell.next; s < cell.waiting.size(); ++s, ++count) {
        const WaitingLine &slot = cell.waiting[s];
        const int bottom = cell.bottomOf(slot);
        // A line's text, measured before rounding, has to fit above the row's
        // bottom rule; its line spacing may hang past the foot.
        if (cell.exactTextBottomOf(slot) > availableTwips - roundingAllowanceTwips) {
            if (firstPart && leavesLoneFirstLine(cell, s, availableTwips))
                --count;
            break;
        }
        // Text may reach a twip past the foot with its space after, an empty
        // paragraph or the one that ends the cell not.
        const bool lastOfCell = s + 1 == cell.waiting.size();
        const int spaceAfterRoom = availableTwips - (slot.emptyParagraph || lastOfCell ? roundingAllowanceTwips : 0);
        if (slot.lineInParagraph + 1 < slot.linesInParagraph || bottom + slot.spaceAfterTwips <= spaceAfterRoom)
            continue;
        // A row's minimum height reaching past the foot holds the space
        // after of a line with text, which stays where that space ends inside it.
        if (firstPart && !slot.emptyParagraph && bottom + slot.spaceAfterTwips <= minimumHeightTwips)
            continue;
        // The paragraph ends here and its space after runs past the foot.
        // LibreOffice lets it do so in some places and not in others.
        const bool opensPart = slot.paragraph == cell.waiting[cell.next].paragraph;
        // In a part that the row's minimum height holds open past the foot,
        // LibreOffice keeps a one-line paragraph, empty or not, with its
        // space after cut at the foot, and beside other cells a longer one
        // too where no cell runs on to the next page.
        if (heldPastFoot && (slot.linesInParagraph == 1 || (cell.besideOthers && !rowSplits)))
            continue;
        if (slot.linesInParagraph == 1) {
            // A one-line paragraph opening the part stays and leaves the rest
            // of itself to the next page, which an empty one cannot, so that
            // one moves on, and its row with it.
            if (opensPart && !slot.emptyParagraph)
                continue;
            break;
        }
        if (firstPart && opensPart && (!lastOfCell || rowSplits)) {
            if (keepsLastLineOpeningPart(cell, s, splitSoFar, minimumHeightTwips))
                continue;
            break;
        }
        if (opensPart) {
            // The last line moves on, unless that leaves a single line
            // behind: then the whole paragraph goes.
            if (s - cell.next < static_cast<size_t>(widowOrphanLines))
                count = 0;
            break;
        }
        // Below other paragraphs the last line moves on, but in a row's
        // first part one whose text ends right at the foot, its spacing
        // hanging past it, stays.
        if (!firstPart || bottom - slot.leadingTwips < availableTwips - 2 * roundingAllowanceTwips)
            break;
    }
    return count;
}

bool Paginator::keepsLastLineOpeningPart(const CellQueue &cell, size_t last, bool splitSoFar, int minimumHeightTwips)
{
    // A paragraph opening a row's first part, whose last line's space after
    // runs past the foot, keeps that line as LibreOffice does: after a cell
    // that already runs past the foot, only where it ends its cell and the
    // row's minimum height reaches down to the line's text; above more of its
    // cell, only while no more than one line stays behind and that height
    // holds at least the text of its first line; ending its cell where a
    // later cell splits the row, unless that height reaches down to the line.
    const WaitingLine &first = cell.waiting[cell.next];
    const WaitingLine &line = cell.waiting[last];
    const bool lastOfCell = last + 1 == cell.waiting.size();
    const bool minimumReachesLine = minimumHeightTwips >= cell.textBottomOf(line);
    if (splitSoFar)
        return lastOfCell && minimumReachesLine;
    if (!lastOfCell)
        return last - cell.next < static_cast<size_t>(widowOrphanLines)
               && minimumHeightTwips >= first.heightTwips - first.leadingTwips;
    return !minimumReachesLine;
}

bool Paginator::leavesLoneFirstLine(const CellQueue &cell, size_t stop, int availableTwips)
{
    // The cell's last paragraph, below others, whose first line alone fits:
    // LibreOffice keeps that line at the foot only with room under it for
    // the paragraph's space after; otherwise the whole paragraph moves on.
    // Paragraphs with more of the cell below them keep their lone first line.
    const WaitingLine &stopped = cell.waiting[stop];
    const WaitingLine &last = cell.waiting.back();
    if (stopped.lineInParagraph != 1 || stopped.paragraph != last.paragraph
        || stopped.paragraph == cell.waiting[cell.next].paragraph)
        return false;
    const WaitingLine &first = cell.waiting[stop - 1];
    const int firstBottom = cell.bottomOf(first);
    return firstBottom + last.spaceAfterTwips > availableTwips;
}

bool Paginator::standsAtPartTop(const RowBox &row, const CellQueue &cell)
{
    // A cell shorter than the row's minimum height and aligned lower in it
    // stands lower, its lines the first to go past the foot.
    return !cell.alignedOffTop || cell.remainingTwips() >= row.minimumHeightTwips;
}

bool Paginator::textRunsPast(const CellQueue &cell, int availableTwips)
{
    if (cell.next >= cell.waiting.size())
        return false;
    const WaitingLine &last = cell.waiting.back();
    return cell.textBottomOf(last) > availableTwips;
}

int Paginator::partContentTwips(const CellQueue &cell, size_t count)
{
    if (count == 0)
        return 0;
    const size_t end = cell.next + count;
    const WaitingLine &last = cell.waiting[end - 1];
    const int bottom = cell.bottomOf(last);
    // A paragraph that goes on lets its last line's spacing hang past the
    // foot; one that ends in this part keeps its space after below it.
    const bool paragraphGoesOn = end < cell.waiting.size() && cell.waiting[end].paragraph == last.paragraph;
    return paragraphGoesOn ? bottom - last.leadingTwips : bottom + last.spaceAfterTwips;
}

void Paginator::leaveOutSpaceAfterPastFoot(const std::vector<CellQueue> &cells, const std::vector<size_t> &counts,
                                           int availableTwips, std::vector<int> &contents)
{
    // A paragraph of several lines that ends a cell after one already running
    // past the foot keeps its lines there with its space after cut at the
    // foot, even a twip past it; LibreOffice aligns that cell by its text alone.
    bool splitSoFar = false;
    for (size_t c = 0; c < cells.size(); ++c) {
        const WaitingLine *last = counts[c] > 0 ? &cells[c].waiting[cells[c].next + counts[c] - 1] : nullptr;
        if (splitSoFar && last && contents[c] > availableTwips - roundingAllowanceTwips && last->linesInParagraph > 1
            && last->lineInParagraph + 1 == last->linesInParagraph)
            contents[c] = cells[c].textBottomOf(*last);
        splitSoFar = splitSoFar || textRunsPast(cells[c], availableTwips);
    }
}

int Paginator::lastLineBottomTwips(const CellQueue &cell, size_t count)
{
    if (count == 0)
        return 0;
    const WaitingLine &last = cell.waiting[cell.next + count - 1];
    return cell.bottomOf(last);
}

bool Paginator::runOnCellsAlign(const std::vector<CellQueue> &cells, const std::vector<size_t> &counts,
                                int availableTwips)
{
    // LibreOffice aligns a first part's cells in the row's minimum height
    // only where each cell that runs on leaves just the last line of its
    // paragraph, or could not take its next line even without the spacing of
    // the line above.
    for (size_t c = 0; c < cells.size(); ++c) {
        const CellQueue &cell = cells[c];
        const size_t end = cell.next + counts[c];
        if (counts[c] == 0 || end >= cell.waiting.size())
            continue;
        const WaitingLine &next = cell.waiting[end];
        const WaitingLine &last = cell.waiting[end - 1];
        const bool leavesOneLine = next.lineInParagraph + 1 == next.linesInParagraph && next.lineInParagraph > 0;
        const int nextTextBottom = cell.textBottomOf(next);
        if (!leavesOneLine && nextTextBottom - last.leadingTwips <= availableTwips)
            return false;
    }
    return true;
}

bool Paginator::alignsPastFoot(const std::vector<CellQueue> &cells, const std::vector<size_t> &counts,
                               int availableTwips)
{
    for (size_t c = 0; c < cells.size(); ++c) {
        const CellQueue &cell = cells[c];
        if (cell.next >= cell.waiting.size())
            continue;
        const WaitingLine &first = cell.waiting[cell.next];
        const size_t paragraphEnd = cell.next + static_cast<size_t>(first.linesInParagraph - 1 - first.lineInParagraph);
        // The space after counts where it follows the first line or ends the
        // cell; a paragraph going on above more of the cell leaves it out.
        const bool spaceAfterCounts = paragraphEnd == cell.next || paragraphEnd + 1 == cell.waiting.size();
        const int firstWithSpaceAfter =
            cell.bottomOf(first) + (spaceAfterCounts ? cell.waiting[paragraphEnd].spaceAfterTwips : 0);
        if (firstWithSpaceAfter > availableTwips + 2 * roundingAllowanceTwips)
            return false;
        // A cell that ends in the part may end right at the foot.
        if (counts[c] == 0 || cell.next + counts[c] >= cell.waiting.size())
            continue;
        if (cell.textBottomOf(cell.waiting[cell.next + counts[c] - 1]) + footDriftTwips > availableTwips)
            return false;
    }
    return true;
}

void Paginator::placeRowPart(const RowBox &row, std::vector<CellQueue> &cells, const std::vector<size_t> &counts,
                             bool firstPart)
{
    const int available = roomTwips(row);
    std::vector<int> contents;
    for (size_t c = 0; c < cells.size(); ++c)
        contents.push_back(partContentTwips(cells[c], counts[c]));
    if (firstPart)
        leaveOutSpaceAfterPastFoot(cells, counts, available, contents);
    const int tallest = contents.empty() ? 0 : *std::max_element(contents.begin(), contents.end());
    // LibreOffice gives a row's first part its minimum height, cut at the
    // foot of the page, and aligns the cells in it where the parts of all of
    // them are shorter than that and one of them ends there, or the row has
    // only one; elsewhere the lines stand at the part's top.
    const int footTwips = available - roundingAllowanceTwips;
    const int partTwips = std::min(row.minimumHeightTwips, footTwips);
    // A row of one cell is aligned even where that cell runs on.
    bool someCellEnds = cells.size() == 1;
    for (size_t c = 0; c < cells.size(); ++c)
        someCellEnds = someCellEnds || cells[c].next + counts[c] >= cells[c].waiting.size();
    // A line whose spacing hangs past the foot fills the part, so none aligns.
    int reach = tallest;
    for (size_t c = 0; c < cells.size(); ++c)
        reach = std::max(reach, lastLineBottomTwips(cells[c], counts[c]));
    // Where the row's minimum height holds a first part open past the foot,
    // LibreOffice aligns its cells in the part cut at the foot once the first
    // line of each fits with its paragraph's space after, unless a line's
    // text ends right at the foot.
    const bool heldPastFoot = firstPart && row.minimumHeightTwips > available;
    const bool alignable =
        heldPastFoot ? alignsPastFoot(cells, counts, available) : firstPart && reach <= available && someCellEnds;
    // Shorter than the minimum height, the cells are aligned in it where
    // those that run on to the next page do so as LibreOffice allows.
    const bool inMinimumHeight = heldPastFoot ? alignable
                                              : firstPart && reach <= available && tallest < row.minimumHeightTwips
                                                    && (cells.size() == 1 || runOnCellsAlign(cells, counts, available));
    // Below only the rest of a row split from the page before, LibreOffice
    // aligns the cells of a first part in its tallest cell's part as well.
    const bool aligned = inMinimumHeight || (alignable && m_onlySplitRowsRestAbove);
    const int alignTwips = inMinimumHeight ? partTwips : tallest;
    for (size_t c = 0; c < cells.size(); ++c) {
        CellQueue &cell = cells[c];
        // A cell taller than the part stands at its top, as in LibreOffice.
        const int slack = std::max(0, alignTwips - contents[c]);
        const int offset = aligned ? alignedOffsetTwips(row, row.cells[c], slack) : 0;
        for (const size_t end = cell.next + counts[c]; cell.next < end; ++cell.next) {
            const WaitingLine &slot = cell.waiting[cell.next];
            placeLine(slot.visualLine, m_yTwips + offset + slot.topTwips - cell.baseTwips);
        }
        addBorders(row.cells[c], m_yTwips, m_yTwips + footTwips, firstPart, true);
        // Each later part starts below the rule above the row again, as in
        // LibreOffice; the last line of a one-line paragraph whose space
        // after did not fit leaves its height and that space to the next
        // part, where a longer paragraph leaves nothing. Above more of the
        // cell a one-line paragraph does so too, however little of its space
        // after runs past the foot, unless the row's minimum height reaches
        // past the foot.
        const WaitingLine *lastPlaced = counts[c] > 0 ? &cell.waiting[cell.next - 1] : nullptr;
        const bool leavesItsRoom = lastPlaced && lastPlaced->linesInParagraph == 1
                                   && contents[c] > available
                                   && row.minimumHeightTwips <= available;
        if (cell.next < cell.waiting.size() && leavesItsRoom)
            cell.baseTwips = lastPlaced->topTwips - cell.insetTwips;
        else if (cell.next < cell.waiting.size())
            cell.baseTwips = cell.waiting[cell.next].topTwips - cell.insetTwips;
        else if (counts[c] > 0 && contents[c] > available && cell.waiting.back().linesInParagraph == 1)
            cell.baseTwips = cell.contentHeightTwips - cell.insetTwips - cell.waiting.back().heightTwips
                             - cell.waiting.back().spaceAfterTwips;
        else if (counts[c] > 0)
            cell.baseTwips = cell.contentHeightTwips;
    }
}

void Paginator::placeRow(RowBox row)
{
    std::vector<CellQueue> cells = registerRow(row);
    bool firstPart = true;
    while (!placeWholeRow(row, cells, firstPart)) {
        const int available = roomTwips(row);
        std::vector<size_t> counts;
        const bool rowSplits = std::any_of(cells.begin(), cells.end(),
                                           [&](const CellQueue &cell) { return textRunsPast(cell, available); });
        const bool minimumPastFoot = firstPart && row.minimumHeightTwips > available;
        bool splitSoFar = false;
        for (size_t c = 0; c < cells.size(); ++c) {
            counts.push_back(fittingLines(cells[c], available, firstPart, rowSplits,
                                          minimumPastFoot && standsAtPartTop(row, cells[c]), splitSoFar,
                                          row.minimumHeightTwips));
            splitSoFar = splitSoFar || textRunsPast(cells[c], available);
        }
        const bool any = std::any_of(counts.begin(), counts.end(), [](size_t count) { return count > 0; });
        bool everyCellShown = true;
        for (size_t c = 0; c < cells.size(); ++c)
            everyCellShown = everyCellShown && (counts[c] > 0 || cells[c].next == cells[c].waiting.size());
        if (!everyCellShown && m_pageHasContent) {
            const bool movedForItsRule = firstPart && onlyItsRuleMovesOn(row, cells, available);
            newPage();
            m_openedByRowMovedForItsRule = movedForItsRule;
            continue;
        }
        // A line taller than a whole page goes on it all the same.
        for (size_t c = 0; c < cells.size() && !any; ++c)
            counts[c] = cells[c].next < cells[c].waiting.size() ? 1 : 0;
        placeRowPart(row, cells, counts, firstPart);
        firstPart = false;
        newPage();
    }
    // The last part of a split row opens its page.
    m_onlySplitRowsRestAbove = !firstPart;
}

DocumentLayout Paginator::finish()
{
    return DocumentLayout(m_geometry, std::move(m_paragraphs), std::move(m_lines), std::move(m_pages));
}

} // namespace engine
