#pragma once

#include "documentlayout.h"
#include "linemove.h"

namespace engine {

// Finds story positions by visual lines: the start and end of a position's
// line, and the position some lines up or down at the same horizontal place.
// Past a cell's first or last line a move goes on into the cell above or below.
class LineNavigator {
public:
    // Finds positions over the lines of `layout`.
    explicit LineNavigator(const DocumentLayout &layout);

    // The first position of the line holding `position`.
    int lineStart(int position) const;
    // The position at the end of that line: before the paragraph mark on a
    // paragraph's last line, else where the next line starts.
    int lineEnd(int position) const;
    // `count` lines down from `position` (up when negative), keeping its caret's x.
    LineMove moveLines(int position, long count) const;
    // The x of the caret before `position`, in twips from the page's left edge.
    double caretXTwips(int position) const;

private:
    int lineBelow(int line, double xTwips) const;
    int lineAbove(int line, double xTwips) const;
    int lineInRow(int anyLineOfRow, double xTwips, bool firstLine) const;
    int closestPosition(int line, double xTwips) const;
    bool sameCell(int a, int b) const;

    const DocumentLayout &m_layout;
};

} // namespace engine
