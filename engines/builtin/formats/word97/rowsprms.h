#pragma once

#include "model/story.h"

#include <QByteArray>
#include <vector>

namespace engine {

class Grpprl;

// A table row's properties as the sprms of its end mark, both ways: the cell
// edges and each cell's format (sprmTDefTable), exact border colours
// (sprmTSetBrc), the "at least" height, the padding and the table's style.
class RowSprms {
public:
    // Rows of more cells than Word allows are refused.
    static constexpr int mostCellsPerRow = 63;

    struct Row {
        TableFormat table;
        double minimumHeightPoints = 0;
        int leftEdgeTwips = -108;
        std::vector<CellFormat> cells;
        std::vector<int> rightEdgesTwips;
    };

    // Adds the sprms of the row ending at `rowEndIndex` of `story`.
    static void write(Grpprl &sprms, const Story &story, int rowEndIndex);
    // The row that `grpprl` defines.
    static Row read(const QByteArray &grpprl);
};

} // namespace engine
