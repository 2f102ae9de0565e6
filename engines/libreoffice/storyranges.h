#pragma once

#include "storyposition.h"

#include <com/sun/star/text/XTextCursor.hpp>
#include <vector>

namespace engines::libreoffice {

class StoryMap;

// Writer cursors covering the story from `start` to `end`, one per area with
// text; a stretch within one area gives one cursor, even when empty.
std::vector<css::uno::Reference<css::text::XTextCursor>> storyRanges(const StoryMap &story, StoryPosition start,
                                                                     StoryPosition end);

// The cursors of storyRanges for a paragraph format: a stretch that ends right
// at the start of a paragraph leaves that paragraph out, as Word does.
std::vector<css::uno::Reference<css::text::XTextCursor>> paragraphRanges(const StoryMap &story, StoryPosition start,
                                                                         StoryPosition end);

// The table cells (as areas) that a stretch from `start` to `end` touches.
std::vector<int> touchedCells(const StoryMap &story, StoryPosition start, StoryPosition end);

} // namespace engines::libreoffice
