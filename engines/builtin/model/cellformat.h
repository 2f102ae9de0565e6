#pragma once

#include "borderline.h"
#include "automation/word/constants.h"

#include <array>

namespace engine {

// The format of one table cell; the cell's end mark points at it.
struct CellFormat {
    enum Side { Top, Left, Bottom, Right, SideCount };

    // How many columns of the table grid the cell covers (more than one once merged).
    int columnSpan = 1;
    long verticalAlignment = word::wdCellAlignVerticalTop;
    std::array<BorderLine, SideCount> borders;
    bool shadow = false;

    // The side for a WdBorderType, or -1 when the value names no side.
    static int sideFor(long borderType)
    {
        switch (borderType) {
        case word::wdBorderTop: return Top;
        case word::wdBorderLeft: return Left;
        case word::wdBorderBottom: return Bottom;
        case word::wdBorderRight: return Right;
        default: return -1;
        }
    }
};

} // namespace engine
