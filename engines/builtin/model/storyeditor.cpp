#include "storyeditor.h"

#include "automation/failure.h"

#include <QList>

#include <algorithm>

namespace engine {
namespace {

automation::Failure notInTable()
{
    return automation::Failure(QStringLiteral("The selection is not in a table, so it has no cells."));
}

} // namespace

StoryEditor::StoryEditor(DocumentModel &model)
    : m_model(model)
{
    updateTypingFormat();
}

void StoryEditor::placeCaret(int position)
{
    m_anchor = m_active = std::clamp(position, 0, m_model.story.size() - 1);
    updateTypingFormat();
}

void StoryEditor::moveActive(int position, bool extend)
{
    // The insertion point never passes the final paragraph mark; an extended
    // selection may include it.
    const int last = m_model.story.size() - (extend ? 0 : 1);
    m_active = std::clamp(position, 0, last);
    if (!extend)
        m_anchor = m_active;
    updateTypingFormat();
}

long StoryEditor::moveCharacters(long count, bool extend)
{
    // No move goes further than the story is long; clamping keeps the sums in range.
    count = std::clamp<long>(count, -m_model.story.size() - 1, m_model.story.size() + 1);
    int from = m_active;
    long moved = 0;
    if (!extend && m_anchor != m_active && count != 0) {
        // A collapse onto the selection's edge counts as the first step, as in Word.
        from = count > 0 ? end() : start();
        count += count > 0 ? -1 : 1;
        moved = 1;
    }
    const int last = m_model.story.size() - (extend ? 0 : 1);
    const long target = std::clamp<long>(from + count, 0, last);
    moveActive(static_cast<int>(target), extend);
    return moved + std::labs(target - from);
}

long StoryEditor::moveCells(long count, bool extend)
{
    const Story &story = m_model.story;
    int cell = story.cellEnd(m_active);
    if (cell < 0)
        throw automation::Failure(QStringLiteral("The selection is not in a table, so it cannot move by cells."));
    count = std::clamp<long>(count, -story.size(), story.size());
    long moved = 0;
    for (; moved < std::labs(count); ++moved) {
        int next = -1;
        if (count > 0) {
            const int after = story.at(cell + 1).mark == Mark::RowEnd ? cell + 2 : cell + 1;
            next = story.cellEnd(after);
        } else {
            const int before = story.cellStart(cell) - 1;
            const int previous = before >= 0 && story.at(before).mark == Mark::RowEnd ? before - 1 : before;
            next = previous >= 0 && story.at(previous).mark == Mark::CellEnd ? previous : -1;
        }
        if (next < 0)
            break;
        cell = next;
    }
    if (moved > 0)
        moveActive(story.cellStart(cell), extend);
    return moved;
}

long StoryEditor::moveToStoryEdge(bool toEnd, bool extend)
{
    const int from = m_active;
    moveActive(toEnd ? m_model.story.size() - 1 : 0, extend);
    return std::labs(m_active - from);
}

void StoryEditor::updateTypingFormat()
{
    const Story &story = m_model.story;
    int source = start();
    if (m_anchor == m_active && source > 0 && story.at(source - 1).mark == Mark::None)
        source -= 1;
    source = std::min(source, story.size() - 1);
    m_typingFormat = story.characterFormat(story.at(source).characterFormat);
}

void StoryEditor::replaceSelection()
{
    Story &story = m_model.story;
    for (int i = start(); i < end(); ++i) {
        const Mark mark = story.at(i).mark;
        if (mark == Mark::CellEnd || mark == Mark::RowEnd || i == story.size() - 1)
            throw automation::Failure(QStringLiteral(
                "Typing cannot replace a selection that holds table cells or the document's last "
                "paragraph mark; collapse the selection first."));
    }
    // Removing the mark before a table would pull the text before it into the table.
    if (story.cellEnd(start()) != story.cellEnd(end()))
        throw automation::Failure(QStringLiteral(
            "Typing cannot replace a selection that runs into a table; collapse the selection first."));
    story.erase(start(), end());
    m_anchor = m_active = start();
}

std::vector<StoryPosition> StoryEditor::positionsFor(const QString &text, int paragraphEnd) const
{
    Story &story = m_model.story;
    const StoryPosition &endMark = story.at(paragraphEnd);
    const Mark breakMark = endMark.mark == Mark::Paragraph ? Mark::Paragraph : Mark::CellParagraph;
    StoryPosition character;
    character.characterFormat = story.internCharacterFormat(m_typingFormat);
    StoryPosition paragraphMark = character;
    paragraphMark.mark = breakMark;
    paragraphMark.paragraphFormat = endMark.paragraphFormat;

    std::vector<StoryPosition> positions;
    positions.reserve(static_cast<size_t>(text.size()));
    const auto codePoints = text.toUcs4();
    for (int i = 0; i < codePoints.size(); ++i) {
        const char32_t c = codePoints.at(i);
        if (c == U'\r' || c == U'\n') {
            // CR LF is one break; a lone CR or LF is one too.
            if (c == U'\r' && i + 1 < codePoints.size() && codePoints.at(i + 1) == U'\n')
                ++i;
            positions.push_back(paragraphMark);
            continue;
        }
        character.character = c;
        positions.push_back(character);
    }
    return positions;
}

void StoryEditor::typeText(const QString &text)
{
    ++m_contentRevision;
    if (m_anchor != m_active)
        replaceSelection();
    const int paragraphEnd = m_model.story.paragraphEnd(m_active);
    if (paragraphEnd < 0)
        throw automation::Failure(QStringLiteral(
            "Text cannot be typed at the end of a table row; move into a cell first."));
    const std::vector<StoryPosition> positions = positionsFor(text, paragraphEnd);
    m_model.story.insert(m_active, positions);
    m_anchor = m_active = m_active + static_cast<int>(positions.size());
}

void StoryEditor::insertCharacter(char32_t character)
{
    typeText(QString::fromUcs4(&character, 1));
}

void StoryEditor::changeCharacterFormat(const std::function<void(CharacterFormat &)> &change)
{
    change(m_typingFormat);
    Story &story = m_model.story;
    int from = start();
    int to = end();
    // At an empty paragraph the mark takes the format too, so that the empty
    // paragraph is as high as the text it announces.
    if (from == to && story.at(from).endsParagraph() && story.paragraphStart(from) == from)
        to = from + 1;
    // Only the format of what is typed next changes when nothing is selected.
    if (from < to)
        ++m_contentRevision;
    for (int i = from; i < to; ++i) {
        CharacterFormat format = story.characterFormat(story.at(i).characterFormat);
        change(format);
        story.at(i).characterFormat = story.internCharacterFormat(format);
    }
}

void StoryEditor::changeParagraphFormat(int from, int to,
                                        const std::function<void(ParagraphFormat &)> &change)
{
    ++m_contentRevision;
    Story &story = m_model.story;
    const int last = to > from ? to - 1 : from;
    for (int i = from; i < story.size(); ++i) {
        const StoryPosition &position = story.at(i);
        if (position.endsParagraph()) {
            ParagraphFormat format = story.paragraphFormat(position.paragraphFormat);
            change(format);
            story.at(i).paragraphFormat = story.internParagraphFormat(format);
        }
        if (i >= last && (position.endsParagraph() || position.mark == Mark::RowEnd))
            break;
    }
}

int StoryEditor::gridColumn(int cellEndIndex) const
{
    const Story &story = m_model.story;
    int column = 0;
    for (int cell : story.rowCells(story.rowEnd(cellEndIndex))) {
        if (cell == cellEndIndex)
            break;
        column += story.cell(story.at(cell).structure).columnSpan;
    }
    return column;
}

std::vector<int> StoryEditor::selectedCells() const
{
    const Story &story = m_model.story;
    const int first = story.cellEnd(start());
    const int lastPosition = end() > start() ? end() - 1 : start();
    const int last = story.at(lastPosition).mark == Mark::RowEnd ? lastPosition - 1
                                                                  : story.cellEnd(lastPosition);
    if (first < 0 || last < 0)
        throw notInTable();
    return cellsOfRange(first, last);
}

std::vector<int> StoryEditor::cellsOfRange(int firstCell, int lastCell) const
{
    // Cells in several rows form a rectangle over the grid columns the two ends span.
    const Story &story = m_model.story;
    const int fromColumn = std::min(gridColumn(firstCell), gridColumn(lastCell));
    const int lastCellColumnEnd = gridColumn(lastCell) + story.cell(story.at(lastCell).structure).columnSpan;
    const int toColumn = std::max(lastCellColumnEnd,
                                  gridColumn(firstCell) + story.cell(story.at(firstCell).structure).columnSpan);
    std::vector<int> cells;
    const int lastRow = story.rowEnd(lastCell);
    for (int row = story.rowEnd(firstCell); row >= 0 && row <= lastRow;) {
        int column = 0;
        for (int cell : story.rowCells(row)) {
            const int span = story.cell(story.at(cell).structure).columnSpan;
            if (column < toColumn && column + span > fromColumn)
                cells.push_back(cell);
            column += span;
        }
        row = row + 1 < story.size() ? story.rowEnd(row + 1) : -1;
    }
    return cells;
}

StoryPosition StoryEditor::markLike(const StoryPosition &original, Mark mark, int structure) const
{
    StoryPosition position = original;
    position.mark = mark;
    position.structure = structure;
    return position;
}

void StoryEditor::mergeSelectedCells()
{
    ++m_contentRevision;
    Story &story = m_model.story;
    const std::vector<int> cells = selectedCells();
    if (story.rowEnd(cells.front()) != story.rowEnd(cells.back()))
        throw automation::Failure(QStringLiteral(
            "Cells of different rows cannot be merged here; select cells of one row."));
    const int firstStructure = story.at(cells.front()).structure;
    int span = 0;
    std::vector<StoryPosition> merged;
    for (int cell : cells) {
        span += story.cell(story.at(cell).structure).columnSpan;
        const int from = story.cellStart(cell);
        // Word drops the empty cells of a merge and keeps each other cell's text
        // as paragraphs of its own.
        if (from == cell && !merged.empty())
            continue;
        merged.insert(merged.end(), &story.at(from), &story.at(cell) + 1);
        merged.back() = markLike(merged.back(), Mark::CellParagraph, -1);
    }
    merged.back() = markLike(merged.back(), Mark::CellEnd, firstStructure);
    story.cell(firstStructure).columnSpan = span;
    const int from = story.cellStart(cells.front());
    story.erase(from, cells.back() + 1);
    story.insert(from, merged);
    placeCaret(from);
}

int StoryEditor::insertTable(int rows, int columns, const TableFormat &format, const CellFormat &cell)
{
    ++m_contentRevision;
    Story &story = m_model.story;
    if (story.cellEnd(m_active) >= 0 || story.at(m_active).mark == Mark::RowEnd)
        throw automation::Failure(QStringLiteral("A table cannot be added inside a table."));
    int at = story.paragraphStart(m_active);
    std::vector<StoryPosition> positions;
    // Two tables that touch would read back as one, so a paragraph keeps them apart.
    if (at > 0 && story.at(at - 1).mark == Mark::RowEnd)
        positions.push_back(markLike(StoryPosition(), Mark::Paragraph, -1));
    const int table = story.addTable(format);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column)
            positions.push_back(markLike(StoryPosition(), Mark::CellEnd, story.addCell(cell)));
        RowFormat rowFormat;
        rowFormat.table = table;
        positions.push_back(markLike(StoryPosition(), Mark::RowEnd, story.addRow(rowFormat)));
    }
    story.insert(at, positions);
    placeCaret(at + (story.at(at).mark == Mark::Paragraph ? 1 : 0));
    return table;
}

} // namespace engine
