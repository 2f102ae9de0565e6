#pragma once

#include "model/story.h"
#include "rtftoken.h"
#include "formats/tablegrid.h"

#include <vector>

namespace engine {

// Turns the row definitions (\trowd ... \cellx) and the \cell and \row marks of
// an RTF body into the story's cells, rows and tables, and the cells' right
// edges into each table's column grid.
class RtfTableBuilder {
public:
    // Rows of more cells than Word allows are refused.
    static constexpr int mostCellsPerRow = 63;

    RtfTableBuilder(Story &story, const std::vector<long> &colors);

    // Handles a row or cell definition word; false when `token` is none.
    bool definitionWord(const RtfToken &token);
    // Appends the end mark of the next defined cell.
    void endCell(StoryPosition mark, int offset);
    // Appends the row's end mark.
    void endRow(int offset);
    // True while a row has been defined and not yet ended.
    bool rowOpen() const { return m_row.defined; }
    // Gives every table its column grid and every cell its span.
    void finish();

private:
    struct CellDefinition {
        CellFormat format;
        int rightEdgeTwips = 0;
    };
    struct RowDefinition {
        bool defined = false;
        TableFormat table;
        double minimumHeightPoints = 0;
        int leftEdgeTwips = -108;
        int side = -1;
        CellFormat cell;
        std::vector<CellDefinition> cells;
    };
    using TableRow = TableGrid::Row;

    bool rowWord(const RtfToken &token);
    bool cellWord(const RtfToken &token);
    bool borderWord(const RtfToken &token);
    BorderLine &currentBorder(const RtfToken &token);
    void addCellEdge(const RtfToken &token);

    Story &m_story;
    const std::vector<long> &m_colors;
    RowDefinition m_row;
    int m_cellsEnded = 0;
    int m_rowStart = -1;
    int m_lastRowEnd = -1;
    int m_currentTable = -1;
    std::vector<std::vector<TableRow>> m_tableRows;
};

} // namespace engine
