#pragma once

#include "documentmodel.h"

#include <QString>
#include <functional>
#include <vector>

namespace engine {

// Edits a document through its selection, as Word's Selection does: an anchor,
// an active end that Extend moves alone, and the character format that typing
// will use. Failures throw automation::Failure.
class StoryEditor {
public:
    // An insertion point at the start of `model`'s story.
    explicit StoryEditor(DocumentModel &model);

    // The ends of the selection as story positions; start() <= end().
    int anchor() const { return m_anchor; }
    int active() const { return m_active; }
    int start() const { return std::min(m_anchor, m_active); }
    int end() const { return std::max(m_anchor, m_active); }
    // The format the next typed character will have.
    const CharacterFormat &typingFormat() const { return m_typingFormat; }
    // Counts the edits of the story made here; moving the selection is none.
    long contentRevision() const { return m_contentRevision; }

    // Moves by characters (marks count one each); negative counts move left.
    // Returns how many characters the active end went.
    long moveCharacters(long count, bool extend);
    // Moves to the start of the next (or, negative, previous) cell; returns how many cells.
    long moveCells(long count, bool extend);
    // Moves to the start or end of the story; returns how many positions it went.
    long moveToStoryEdge(bool toEnd, bool extend);
    // Puts the insertion point at `position`.
    void placeCaret(int position);

    // Types `text` over the selection; CR LF, CR or LF start a new paragraph.
    void typeText(const QString &text);
    // Types one character given by its code point.
    void insertCharacter(char32_t character);

    // Changes the character format of the selection and of what is typed after it.
    void changeCharacterFormat(const std::function<void(CharacterFormat &)> &change);
    // Changes the paragraph format of every paragraph that [from, to) touches.
    void changeParagraphFormat(int from, int to, const std::function<void(ParagraphFormat &)> &change);

    // The end marks of the cells the selection selects; throws outside tables.
    std::vector<int> selectedCells() const;
    // Merges the selected cells of one row into one cell holding the insertion point.
    void mergeSelectedCells();
    // Inserts a table before the paragraph holding the insertion point and puts
    // the insertion point in its first cell. Returns the table's index.
    int insertTable(int rows, int columns, const TableFormat &format, const CellFormat &cell);

private:
    void moveActive(int position, bool extend);
    void updateTypingFormat();
    void replaceSelection();
    int gridColumn(int cellEndIndex) const;
    std::vector<int> cellsOfRange(int firstCell, int lastCell) const;
    std::vector<StoryPosition> positionsFor(const QString &text, int paragraphEnd) const;
    StoryPosition markLike(const StoryPosition &original, Mark mark, int structure) const;

    DocumentModel &m_model;
    int m_anchor = 0;
    int m_active = 0;
    CharacterFormat m_typingFormat;
    long m_contentRevision = 0;
};

} // namespace engine
