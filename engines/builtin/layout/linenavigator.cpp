#include "linenavigator.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace engine {

LineNavigator::LineNavigator(const DocumentLayout &layout)
    : m_layout(layout)
{
}

int LineNavigator::lineStart(int position) const
{
    return m_layout.paragraphLine(m_layout.lines()[static_cast<size_t>(m_layout.lineHolding(position))]).from;
}

int LineNavigator::lineEnd(int position) const
{
    return m_layout.paragraphLine(m_layout.lines()[static_cast<size_t>(m_layout.lineHolding(position))]).to;
}

double LineNavigator::caretXTwips(int position) const
{
    const VisualLine &line = m_layout.lines()[static_cast<size_t>(m_layout.lineHolding(position))];
    const ParagraphLine &paragraphLine = m_layout.paragraphLine(line);
    const std::vector<double> &carets = m_layout.caretXTwips(line);
    const long last = static_cast<long>(carets.size()) - 1;
    const long index = std::clamp<long>(position - paragraphLine.from, 0, last);
    // The start of a left-to-right paragraph's line is its left edge, even
    // where the line opens with right-to-left words, whose first letter
    // stands at their right: a move down from there stays in the left cell.
    if (index == 0 && !carets.empty())
        return line.columnLeftTwips + *std::min_element(carets.begin(), carets.end());
    return line.columnLeftTwips + carets[static_cast<size_t>(index)];
}

bool LineNavigator::sameCell(int a, int b) const
{
    const VisualLine &first = m_layout.lines()[static_cast<size_t>(a)];
    const VisualLine &second = m_layout.lines()[static_cast<size_t>(b)];
    return first.cellEnd == second.cellEnd;
}

int LineNavigator::lineInRow(int anyLineOfRow, double xTwips, bool firstLine) const
{
    const std::vector<VisualLine> &lines = m_layout.lines();
    const int row = lines[static_cast<size_t>(anyLineOfRow)].rowEnd;
    int begin = anyLineOfRow;
    while (begin > 0 && lines[static_cast<size_t>(begin - 1)].rowEnd == row)
        --begin;
    int chosen = -1;
    double best = std::numeric_limits<double>::max();
    for (int i = begin; i < static_cast<int>(lines.size()) && lines[static_cast<size_t>(i)].rowEnd == row; ++i) {
        const VisualLine &line = lines[static_cast<size_t>(i)];
        // Distance from the cell's span; zero inside it.
        const double distance = std::max({line.cellLeftTwips - xTwips, xTwips - line.cellRightTwips, 0.0});
        const bool sameAsChosen = chosen >= 0 && sameCell(chosen, i);
        if (sameAsChosen) {
            if (!firstLine)
                chosen = i;
        } else if (distance < best) {
            best = distance;
            chosen = i;
        }
    }
    return chosen;
}

int LineNavigator::lineBelow(int line, double xTwips) const
{
    const std::vector<VisualLine> &lines = m_layout.lines();
    const int count = static_cast<int>(lines.size());
    const VisualLine &current = lines[static_cast<size_t>(line)];
    int next = line + 1;
    if (next >= count)
        return -1;
    if (sameCell(line, next))
        return next;
    // Past the cell's last line: skip the rest of the row.
    while (current.rowEnd >= 0 && next < count && lines[static_cast<size_t>(next)].rowEnd == current.rowEnd)
        ++next;
    if (next >= count)
        return -1;
    return lines[static_cast<size_t>(next)].rowEnd >= 0 ? lineInRow(next, xTwips, true) : next;
}

int LineNavigator::lineAbove(int line, double xTwips) const
{
    const std::vector<VisualLine> &lines = m_layout.lines();
    const VisualLine &current = lines[static_cast<size_t>(line)];
    int previous = line - 1;
    if (previous < 0)
        return -1;
    if (sameCell(line, previous))
        return previous;
    while (current.rowEnd >= 0 && previous >= 0 && lines[static_cast<size_t>(previous)].rowEnd == current.rowEnd)
        --previous;
    if (previous < 0)
        return -1;
    return lines[static_cast<size_t>(previous)].rowEnd >= 0 ? lineInRow(previous, xTwips, false) : previous;
}

int LineNavigator::closestPosition(int line, double xTwips) const
{
    const VisualLine &visual = m_layout.lines()[static_cast<size_t>(line)];
    const ParagraphLine &paragraphLine = m_layout.paragraphLine(visual);
    const std::vector<double> &carets = m_layout.caretXTwips(visual);
    int chosen = paragraphLine.from;
    double best = std::numeric_limits<double>::max();
    for (size_t i = 0; i < carets.size(); ++i) {
        const double distance = std::abs(visual.columnLeftTwips + carets[i] - xTwips);
        if (distance < best) {
            best = distance;
            chosen = paragraphLine.from + static_cast<int>(i);
        }
    }
    return chosen;
}

LineMove LineNavigator::moveLines(int position, long count) const
{
    const double xTwips = caretXTwips(position);
    int line = m_layout.lineHolding(position);
    LineMove move;
    while (move.lines < std::labs(count)) {
        const int next = count > 0 ? lineBelow(line, xTwips) : lineAbove(line, xTwips);
        if (next < 0)
            break;
        line = next;
        ++move.lines;
    }
    move.position = move.lines > 0 ? closestPosition(line, xTwips) : position;
    return move;
}

} // namespace engine
