#pragma once

#include <QString>

namespace engine {

// The bullet or number in front of a list paragraph's first line.
struct ListMark {
    QString text;
    // The Word font that draws it, its size in half points and weight.
    QString fontName;
    int sizeHalfPoints = 22;
    bool bold = false;
    // From the left edge of the paragraph's column.
    int xTwips = 0;
};

} // namespace engine
