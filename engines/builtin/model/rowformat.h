#pragma once

namespace engine {

// The format of one table row; the row's end mark points at it.
struct RowFormat {
    // Index of the table the row belongs to.
    int table = 0;
    // "At least" height; 0 leaves the row as high as its content.
    double minimumHeightPoints = 0;
};

} // namespace engine
