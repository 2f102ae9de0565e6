#pragma once

#include "cellformat.h"
#include "characterformat.h"
#include "formatpool.h"
#include "paragraphformat.h"
#include "rowformat.h"
#include "storyposition.h"
#include "tableformat.h"

#include <vector>

namespace engine {

// The main story as Word keeps it: one sequence of positions, where paragraph,
// cell and row marks give the structure. It always ends with a paragraph mark
// outside any table.
class Story {
public:
    // A story holding only its final, empty paragraph.
    Story();

    // The number of positions, marks included.
    int size() const { return static_cast<int>(m_positions.size()); }
    // The position at `index`, from 0.
    const StoryPosition &at(int index) const { return m_positions.at(static_cast<size_t>(index)); }
    StoryPosition &at(int index) { return m_positions.at(static_cast<size_t>(index)); }

    // Inserts `positions` before `index`.
    void insert(int index, const std::vector<StoryPosition> &positions);
    // Removes the positions [from, to).
    void erase(int from, int to);
    // Adds `position` at the end, for readers that build a story from its start.
    void append(const StoryPosition &position) { m_positions.push_back(position); }
    // Removes every position, final paragraph mark included.
    void clear() { m_positions.clear(); }
    // Makes room for `count` positions at once, sparing a long story its regrowths.
    void reserve(int count) { m_positions.reserve(static_cast<size_t>(count)); }

    // Formats are kept once each and referred to by index.
    int internCharacterFormat(const CharacterFormat &format) { return m_characterFormats.intern(format); }
    const CharacterFormat &characterFormat(int index) const { return m_characterFormats.at(index); }
    int internParagraphFormat(const ParagraphFormat &format) { return m_paragraphFormats.intern(format); }
    const ParagraphFormat &paragraphFormat(int index) const { return m_paragraphFormats.at(index); }

    // Cells, rows and tables are added once and referred to by index from their marks.
    int addCell(const CellFormat &format);
    CellFormat &cell(int index) { return m_cells.at(static_cast<size_t>(index)); }
    const CellFormat &cell(int index) const { return m_cells.at(static_cast<size_t>(index)); }
    int addRow(const RowFormat &format);
    RowFormat &row(int index) { return m_rows.at(static_cast<size_t>(index)); }
    const RowFormat &row(int index) const { return m_rows.at(static_cast<size_t>(index)); }
    int addTable(const TableFormat &format);
    TableFormat &table(int index) { return m_tables.at(static_cast<size_t>(index)); }
    const TableFormat &table(int index) const { return m_tables.at(static_cast<size_t>(index)); }
    int tableCount() const { return static_cast<int>(m_tables.size()); }

    // The mark that ends the paragraph holding `index` (the index itself for a
    // paragraph mark), or -1 for a row's end mark.
    int paragraphEnd(int index) const;
    // The first position of the paragraph holding `index`.
    int paragraphStart(int index) const;
    // The end mark of the cell holding `index`, or -1 outside cells.
    int cellEnd(int index) const;
    // The first position of the cell whose end mark is at `cellEndIndex`.
    int cellStart(int cellEndIndex) const;
    // The end mark of the row holding `index`, or -1 outside tables.
    int rowEnd(int index) const;
    // The end marks of the cells of the row ending at `rowEndIndex`, in order.
    std::vector<int> rowCells(int rowEndIndex) const;
    // The first position of the row ending at `rowEndIndex`.
    int rowStart(int rowEndIndex) const;

private:
    std::vector<StoryPosition> m_positions;
    FormatPool<CharacterFormat> m_characterFormats;
    FormatPool<ParagraphFormat> m_paragraphFormats;
    std::vector<CellFormat> m_cells;
    std::vector<RowFormat> m_rows;
    std::vector<TableFormat> m_tables;
};

} // namespace engine
