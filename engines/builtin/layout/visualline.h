#pragma once

namespace engine {

// Where one line of a paragraph ended up: its page and its place on it, in
// twips from the page's top-left corner. Lines are kept in story order.
struct VisualLine {
    // Indices into the layout's paragraphs and that paragraph's lines.
    int paragraph = 0;
    int line = 0;
    int page = 0;
    // The left edge of the paragraph's column (list indents are inside the line).
    int columnLeftTwips = 0;
    int topTwips = 0;
    // The cell holding the line (its end mark) and its row, or -1 outside tables.
    int cellEnd = -1;
    int rowEnd = -1;
    // The edges of the cell, or of the text area outside tables.
    int cellLeftTwips = 0;
    int cellRightTwips = 0;
};

} // namespace engine
