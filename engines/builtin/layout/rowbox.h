#pragma once

#include "cellbox.h"

#include <vector>

namespace engine {

// A table row laid out across the page, before it is placed on one.
struct RowBox {
    // The row's end mark in the story.
    int rowEnd = 0;
    // "At least" height; 0 for none.
    int minimumHeightTwips = 0;
    // No row of the same table follows it.
    bool endsTable = true;
    std::vector<CellBox> cells;
};

} // namespace engine
