#pragma once

#include "documentlayout.h"
#include "linenavigator.h"

namespace engine {

class StoryEditor;

// The selection's moves by visual line (Word's wdLine unit): HomeKey, EndKey,
// MoveUp and MoveDown, with or without Extend, over the document as `layout`
// shows it. A move edits nothing, so one layout serves any number of moves.
class LineMoves {
public:
    // Moves the selection of `editor` over the lines of `layout`.
    LineMoves(StoryEditor &editor, const DocumentLayout &layout);

    // To the start of the active end's line; returns how many positions the active end went.
    long homeKey(bool extend);
    // To the end of the active end's line; returns how many positions the active end went.
    long endKey(bool extend);
    // Up `count` lines (down when negative); returns how many lines it went.
    long moveUp(long count, bool extend);
    // Down `count` lines (up when negative); returns how many lines it went.
    long moveDown(long count, bool extend);

private:
    int origin(bool extend, bool towardsEnd) const;
    long moveActiveTo(int position, bool extend, int from);
    long moveVertically(long count, bool extend);

    StoryEditor &m_editor;
    LineNavigator m_navigator;
};

} // namespace engine
