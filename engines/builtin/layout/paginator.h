#pragma once

#include "documentlayout.h"
#include "rowbox.h"

#include <vector>

namespace engine {

// Places laid-out paragraphs and table rows on pages from top to bottom. A row
// that does not fit is split between lines onto the next pages. Paragraphs
// outside tables avoid widows and orphans (as in LibreOffice, those in cells
// do not), and each of their lines may hang its line spacing past the foot.
//
// In a cell the last line of a paragraph stays on a page only with its
// space after, as LibreOffice prints the saved file, with these exceptions:
// - a row's minimum height reaching past the foot holds the space after of a
//   line with text;
// - a paragraph opening a row's first part moves its last line on where a
//   cell before it already runs past the foot, unless it ends its cell and
//   the minimum height reaches down to that line; above more of its cell it
//   keeps the line only while one line stays behind and the minimum height
//   holds a line; ending its cell beside another that splits the row, it
//   keeps the line unless the minimum height reaches down to that line;
// - in a cell aligned at its bottom or centre a paragraph of two or three
//   lines that the cell ends with keeps its lines, its space after past the
//   foot, where the row's other cells hold no paragraph of several lines;
// - a one-line paragraph opening a part stays, and it leaves what is left of
//   it, a line's height and its space after, to start the row's part on the
//   next page (above more of the cell only where the row's minimum height
//   does not reach past the foot); an empty one has nothing to leave and
//   moves on;
// - below other paragraphs, a last line whose text ends right at the foot
//   stays there;
// - where the row's minimum height holds its first part open past the foot, a
//   one-line paragraph stays, empty or not, its space after cut at the foot,
//   in every cell that stands at the part's top, and beside other cells a
//   longer one too where no cell runs on; it leaves nothing to the next page.
// A row whose minimum height runs past the foot moves on whole where its
// lines and their space after would fit above the foot, and splits otherwise.
// The cell's last paragraph, below others, leaves its first line alone at the
// foot only with room under it for its space after, or moves on whole. A row
// part shows something of every cell that has something left, or the row
// moves on. The last row on a page keeps room for its bottom rule; at a split
// that rule is drawn at the page's foot, then atop and under the next part.
//
// A split row's first part is as tall as the row's minimum height, cut at the
// foot. Its cells are aligned in it where all of them are shorter and each
// that runs on leaves only its paragraph's last line or could not take its
// next line even without the spacing above it; where that height reaches
// past the foot, where each cell's first line fits with its space after;
// and, on a page that holds only the rest of a row split from the page
// before, in the part of its tallest cell where one of them ends there. The
// cells of its last part are aligned in it as those of a whole row are.
class Paginator {
public:
    // Starts on the first of pages shaped like `page`.
    explicit Paginator(const PageGeometry &page);

    // Places a paragraph outside any table, in the text column.
    void placeParagraph(ParagraphBox paragraph);
    // Places a table row.
    void placeRow(RowBox row);
    // The finished layout.
    DocumentLayout finish();

private:
    // One line of a cell waiting for its place: `topTwips` is from the top of
    // the cell's content, as if the cell were top-aligned.
    struct WaitingLine {
        int visualLine = 0;
        int topTwips = 0;
        int heightTwips = 0;
        int leadingTwips = 0;
        // The paragraph's space after, on its last line only.
        int spaceAfterTwips = 0;
        int paragraph = 0;
        int lineInParagraph = 0;
        int linesInParagraph = 0;
        // Whether the paragraph holds no text, only its mark.
        bool emptyParagraph = false;
        // The fonts' own height before rounding.
        double textHeightTwips = 0;
    };
    struct CellQueue {
        std::vector<WaitingLine> waiting;
        int contentHeightTwips = 0;
        // Room kept above the content for the rule over the row.
        int insetTwips = 0;
        size_t next = 0;
        // The content top of the first slot not yet placed.
        int baseTwips = 0;
        int remainingTwips() const { return contentHeightTwips - baseTwips; }
        // Where a waiting line ends below the top of the part being placed,
        // with its line spacing and without it.
        int bottomOf(const WaitingLine &line) const { return line.topTwips - baseTwips + line.heightTwips; }
        int textBottomOf(const WaitingLine &line) const { return bottomOf(line) - line.leadingTwips; }
        // Where its text ends by the fonts' height before rounding.
        double exactTextBottomOf(const WaitingLine &line) const
        {
            return bottomOf(line) - line.heightTwips + line.textHeightTwips;
        }
        // Whether the cell stands at its bottom or centre rather than its top.
        bool alignedOffTop = false;
        // Whether another cell of the row holds a paragraph of several lines.
        bool longParagraphElsewhere = false;
        // Whether the row has other cells.
        bool besideOthers = false;
    };

    void newPage();
    static int keptBeforeBreak(int placed, int fitting, int count);
    int addParagraph(ParagraphBox paragraph, const VisualLine &shape, std::vector<WaitingLine> *waiting);
    void placeLine(int visualLine, int topTwips);
    static int borderTwips(const CellFormat &format, int side);
    int topInsetTwips(const RowBox &row) const;
    std::vector<CellQueue> registerRow(RowBox &row);
    // Notes in each cell whether another cell of the row holds a paragraph of several lines.
    static void markLongParagraphsElsewhere(std::vector<CellQueue> &cells);
    bool placeWholeRow(const RowBox &row, std::vector<CellQueue> &cells, bool firstPart);
    void placeRemainingLines(const RowBox &row, std::vector<CellQueue> &cells, bool firstPart, int heightTwips);
    static int bottomRuleTwips(const RowBox &row);
    // Whether the row's first lines would fit at the foot but for its bottom rule.
    static bool onlyItsRuleMovesOn(const RowBox &row, const std::vector<CellQueue> &cells, int availableTwips);
    // The vertical offset of a cell's lines, `slackTwips` above them in the row.
    int alignedOffsetTwips(const RowBox &row, const CellBox &cell, int slackTwips) const;
    // The height a row may take on this page, its bottom rule kept below it.
    int roomTwips(const RowBox &row) const;
    // Whether every cell of the row as tall as `contentTwips` ends with an empty paragraph.
    static bool tallestCellEndsEmpty(const std::vector<CellQueue> &cells, int contentTwips);
    // What of the cell's last space after may hang past the foot; `asIfAlone`
    // leaves out whether text stands in the row's other cells.
    static int droppableTwips(const RowBox &row, const CellQueue &cell, size_t index, bool asIfAlone = false);
    // How many cells aligned off their tops fit only with their last paragraph's space after past the foot.
    static int cellsHangingPastFoot(const RowBox &row, const std::vector<CellQueue> &cells, int availableTwips);
    // How many of the cell's waiting lines stay on this page. `heldPastFoot`:
    // the cell stands at the top of a part that the row's minimum height holds
    // open past the foot; `splitSoFar`: a cell before it in the row already
    // runs past the foot.
    static size_t fittingLines(const CellQueue &cell, int availableTwips, bool firstPart, bool rowSplits,
                               bool heldPastFoot, bool splitSoFar, int minimumHeightTwips);
    // Whether a paragraph opening a row's first part keeps its last line,
    // at `last`, whose space after runs past the foot.
    static bool keepsLastLineOpeningPart(const CellQueue &cell, size_t last, bool splitSoFar, int minimumHeightTwips);
    // Whether the cells of a first part, `counts` of their lines placed, are
    // aligned in the row's minimum height for all that some of them run on.
    static bool runOnCellsAlign(const std::vector<CellQueue> &cells, const std::vector<size_t> &counts,
                                int availableTwips);
    // Whether the cells of a first part held open past the foot by the row's
    // minimum height are aligned in it, `counts` of their lines placed.
    static bool alignsPastFoot(const std::vector<CellQueue> &cells, const std::vector<size_t> &counts,
                               int availableTwips);
    // Whether the line where the cell's part stops would leave only the
    // first line of the cell's last paragraph behind, too close to the foot.
    static bool leavesLoneFirstLine(const CellQueue &cell, size_t stop, int availableTwips);
    // Whether the cell's lines start at the top of the row's first part, not lower by its alignment.
    static bool standsAtPartTop(const RowBox &row, const CellQueue &cell);
    // Whether the cell's lines reach past the foot even without their last space after.
    static bool textRunsPast(const CellQueue &cell, int availableTwips);
    static int partContentTwips(const CellQueue &cell, size_t count);
    // Counts a first part's cells, `counts` of their lines placed, without
    // the space after that a cell's last paragraph leaves cut at the foot.
    static void leaveOutSpaceAfterPastFoot(const std::vector<CellQueue> &cells, const std::vector<size_t> &counts,
                                           int availableTwips, std::vector<int> &contents);
    // The bottom of the last of `count` lines placed from the cell, its line spacing included.
    static int lastLineBottomTwips(const CellQueue &cell, size_t count);
    void placeRowPart(const RowBox &row, std::vector<CellQueue> &cells, const std::vector<size_t> &counts,
                      bool firstPart);
    void addBorders(const CellBox &cell, int topTwips, int bottomTwips, bool first, bool last);

    PageGeometry m_geometry;
    std::vector<ParagraphBox> m_paragraphs;
    std::vector<VisualLine> m_lines;
    std::vector<PageContent> m_pages;
    int m_yTwips = 0;
    bool m_pageHasContent = false;
    // The thickest bottom line of the row just placed, which the next row makes room for.
    int m_borderAboveTwips = 0;
    // Whether the page holds only the last part of a row split from the page before.
    bool m_onlySplitRowsRestAbove = false;
    // Whether the page opens with a ruled row that its rule alone moved on
    // from the page before.
    bool m_openedByRowMovedForItsRule = false;
};

} // namespace engine
