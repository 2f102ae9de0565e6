#pragma once

namespace engine {

// What a position of the story holds besides an ordinary character.
enum class Mark : unsigned char {
    None,
    // Ends a paragraph outside any table.
    Paragraph,
    // Ends a paragraph inside a cell that is not the cell's last one.
    CellParagraph,
    // Ends a cell and its last paragraph.
    CellEnd,
    // Ends a table row.
    RowEnd,
};

// One position of the story: a character or a mark, each one step for the moves.
struct StoryPosition {
    char32_t character = 0;
    Mark mark = Mark::None;
    int characterFormat = 0;
    // Paragraph format, on marks that end a paragraph.
    int paragraphFormat = 0;
    // On a CellEnd the cell's format, on a RowEnd the row's format.
    int structure = -1;

    bool endsParagraph() const
    {
        return mark == Mark::Paragraph || mark == Mark::CellParagraph || mark == Mark::CellEnd;
    }
};

} // namespace engine
