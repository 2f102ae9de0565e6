#pragma once

namespace engines::libreoffice {

// Word pads table cells 5.4 pt left and right, nothing above and below, and
// shifts a new table left by that padding so its text lines up with the margin.
constexpr double cellPaddingPoints = 5.4;
// The text width of a Letter page with 1-inch margins, which a new table spans.
constexpr double textWidthPoints = 6.5 * 72;

// Writer sizes a table placed by its margins from the text area's edges: the
// right margin that makes a table `widthPoints` wide.
constexpr double rightMarginPoints(double widthPoints)
{
    return textWidthPoints + cellPaddingPoints - widthPoints;
}

} // namespace engines::libreoffice
