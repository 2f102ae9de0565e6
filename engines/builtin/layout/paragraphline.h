#pragma once

#include <vector>

namespace engine {

// One visual line of a laid-out paragraph. Lengths in twips; vertical ones from
// the paragraph's top, horizontal ones from the left edge of its column.
struct ParagraphLine {
    // The story positions on the line: [from, to). The last line of a
    // paragraph also holds the paragraph's mark at `to`.
    int from = 0;
    int to = 0;
    int topTwips = 0;
    int heightTwips = 0;
    // What line spacing adds to the fonts' own height; LibreOffice lets it
    // hang past the foot of a table's page.
    int leadingTwips = 0;
    // From the line's top down to its baseline.
    int baselineTwips = 0;
    // How high LibreOffice makes the line where it ends a table cell: the
    // fonts' own height and 8 % of the largest font's size, where other
    // lines take the paragraph's line spacing.
    int cellEndHeightTwips = 0;
    // The fonts' own height before it is rounded to whole twips: LibreOffice
    // keeps a line at a page's foot where its text fits by that measure.
    double textHeightTwips = 0;
    // Where the line's text begins, indent and alignment included.
    double textLeftTwips = 0;
    // The index of the line in the paragraph's QTextLayout.
    int textLine = 0;
    // Whether this is the paragraph's last line, which also holds its mark.
    bool last = false;
    // The caret's x before each position from `from` on: one entry per
    // position of the line, and one more for the mark on the last line. Only
    // moves by line need them, so they are found when first asked for, through
    // DocumentLayout::caretXTwips; empty until then.
    mutable std::vector<double> caretCache;

    // The line's bottom, from the paragraph's top.
    int bottomTwips() const { return topTwips + heightTwips; }
};

} // namespace engine
