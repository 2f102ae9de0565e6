#include "tablegrid.h"

#include <algorithm>
#include <set>

namespace engine {

void TableGrid::assign(Story &story, int table, const std::vector<Row> &rows)
{
    std::set<int> edges;
    for (const Row &row : rows) {
        edges.insert(row.leftEdgeTwips);
        edges.insert(row.rightEdgesTwips.begin(), row.rightEdgesTwips.end());
    }
    std::vector<int> grid(edges.begin(), edges.end());
    std::vector<double> &widths = story.table(table).columnWidthsPoints;
    widths.clear();
    for (size_t i = 1; i < grid.size(); ++i)
        widths.push_back((grid[i] - grid[i - 1]) / 20.0);
    for (const Row &row : rows) {
        int left = row.leftEdgeTwips;
        for (size_t i = 0; i < row.cellFormats.size(); ++i) {
            const int right = row.rightEdgesTwips[i];
            const auto span = std::count_if(grid.begin(), grid.end(), [&](int edge) { return edge > left && edge <= right; });
            story.cell(row.cellFormats[i]).columnSpan = static_cast<int>(span);
            left = right;
        }
    }
}

} // namespace engine
