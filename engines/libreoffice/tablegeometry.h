#pragma once

namespace engines::libreoffice {

// Word pads table cells 5.4 pt left and right, nothing above and below, and
// shifts a new table left by that padding so its text lines up with the margin.
constexpr double cellPaddingPoints = 5.4;

// Writer sizes a table placed by its margins from the text area's edges: the
// right margin that makes a table `widthPoints` wide on a page whose text is
// `textWidthPoints` wide.
constexpr double rightMarginPoints(double textWidthPoints, double widthPoints)
{
    return textWidthPoints + cellPaddingPoints - widthPoints;
}

} // namespace engines::libreoffice
