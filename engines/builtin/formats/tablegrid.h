#pragma once

#include "model/story.h"

#include <vector>

namespace engine {

// Gives a table read from a file its column grid and its cells their spans:
// the grid's column boundaries are every cell edge of every row.
class TableGrid {
public:
    struct Row {
        int leftEdgeTwips;
        std::vector<int> rightEdgesTwips;
        // The cells' formats in the story, left to right.
        std::vector<int> cellFormats;
    };

    static void assign(Story &story, int table, const std::vector<Row> &rows);
};

} // namespace engine
