#pragma once

namespace engines::libreoffice {

// A position in the document's main story, counted as Word counts it: the
// story is a row of areas (a paragraph outside tables, a table cell, the end
// of a table row), and each area ends with one mark (paragraph mark, end of
// cell, end of row) that a character move steps over like a character.
// `offset` runs from 0 to the area's length, where the mark stands.
struct StoryPosition {
    int area = 0;
    int offset = 0;

    bool operator==(const StoryPosition &other) const { return area == other.area && offset == other.offset; }
    bool operator!=(const StoryPosition &other) const { return !(*this == other); }
    bool operator<(const StoryPosition &other) const
    {
        return area < other.area || (area == other.area && offset < other.offset);
    }
};

} // namespace engines::libreoffice
