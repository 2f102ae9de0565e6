#include "story.h"

namespace engine {

Story::Story()
{
    StoryPosition finalMark;
    finalMark.mark = Mark::Paragraph;
    m_positions.push_back(finalMark);
}

void Story::insert(int index, const std::vector<StoryPosition> &positions)
{
    m_positions.insert(m_positions.begin() + index, positions.begin(), positions.end());
}

void Story::erase(int from, int to)
{
    m_positions.erase(m_positions.begin() + from, m_positions.begin() + to);
}

int Story::addCell(const CellFormat &format)
{
    m_cells.push_back(format);
    return static_cast<int>(m_cells.size()) - 1;
}

int Story::addRow(const RowFormat &format)
{
    m_rows.push_back(format);
    return static_cast<int>(m_rows.size()) - 1;
}

int Story::addTable(const TableFormat &format)
{
    m_tables.push_back(format);
    return static_cast<int>(m_tables.size()) - 1;
}

int Story::paragraphEnd(int index) const
{
    for (int i = index; i < size(); ++i) {
        if (at(i).endsParagraph())
            return i;
        if (at(i).mark == Mark::RowEnd)
            return -1;
    }
    return -1;
}

int Story::paragraphStart(int index) const
{
    int start = index;
    while (start > 0 && at(start - 1).mark == Mark::None)
        --start;
    return start;
}

int Story::cellEnd(int index) const
{
    for (int i = index; i < size(); ++i) {
        const Mark mark = at(i).mark;
        if (mark == Mark::CellEnd)
            return i;
        if (mark == Mark::Paragraph || mark == Mark::RowEnd)
            return -1;
    }
    return -1;
}

int Story::cellStart(int cellEndIndex) const
{
    int start = cellEndIndex;
    while (start > 0 && at(start - 1).mark != Mark::CellEnd && at(start - 1).mark != Mark::RowEnd
           && at(start - 1).mark != Mark::Paragraph)
        --start;
    return start;
}

int Story::rowEnd(int index) const
{
    if (at(index).mark == Mark::RowEnd)
        return index;
    const int end = cellEnd(index);
    if (end < 0)
        return -1;
    for (int i = end; i < size(); ++i) {
        if (at(i).mark == Mark::RowEnd)
            return i;
    }
    return -1;
}

std::vector<int> Story::rowCells(int rowEndIndex) const
{
    std::vector<int> cells;
    for (int i = rowEndIndex - 1; i >= 0 && at(i).mark != Mark::RowEnd && at(i).mark != Mark::Paragraph;
         --i) {
        if (at(i).mark == Mark::CellEnd)
            cells.insert(cells.begin(), i);
    }
    return cells;
}

int Story::rowStart(int rowEndIndex) const
{
    const std::vector<int> cells = rowCells(rowEndIndex);
    return cells.empty() ? rowEndIndex : cellStart(cells.front());
}

} // namespace engine
