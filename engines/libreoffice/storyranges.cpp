#include "storyranges.h"

#include "storymap.h"

#include <algorithm>
#include <com/sun/star/text/XParagraphCursor.hpp>

namespace engines::libreoffice {

std::vector<css::uno::Reference<css::text::XTextCursor>> storyRanges(const StoryMap &story, StoryPosition start,
                                                                     StoryPosition end)
{
    if (start.area == end.area)
        return {story.cursorOver(start.area, start.offset, end.offset)};
    std::vector<css::uno::Reference<css::text::XTextCursor>> ranges;
    for (int area = start.area; area <= end.area; ++area) {
        if (story.isRowEnd(area))
            continue;
        const int from = area == start.area ? start.offset : 0;
        const int to = area == end.area ? end.offset : story.length(area);
        ranges.push_back(story.cursorOver(area, from, to));
    }
    return ranges;
}

namespace {

bool startsParagraph(const StoryMap &story, StoryPosition position)
{
    if (position.offset == 0)
        return true;
    const css::uno::Reference<css::text::XParagraphCursor> cursor(story.cursorAt(position), css::uno::UNO_QUERY);
    return cursor.is() && cursor->isStartOfParagraph();
}

// The position one character before `position`: the end of the paragraph
// before, or of the area with text before.
StoryPosition oneBack(const StoryMap &story, StoryPosition position)
{
    if (position.offset > 0)
        return {position.area, position.offset - 1};
    int area = position.area - 1;
    while (area > 0 && story.isRowEnd(area))
        --area;
    return area >= 0 ? StoryPosition{area, story.length(area)} : position;
}

} // namespace

std::vector<css::uno::Reference<css::text::XTextCursor>> paragraphRanges(const StoryMap &story, StoryPosition start,
                                                                         StoryPosition end)
{
    if (start < end && startsParagraph(story, end))
        end = std::max(start, oneBack(story, end));
    return storyRanges(story, start, end);
}

std::vector<int> touchedCells(const StoryMap &story, StoryPosition start, StoryPosition end)
{
    std::vector<int> cells;
    for (int area = start.area; area <= end.area; ++area)
        if (story.isCell(area))
            cells.push_back(area);
    return cells;
}

} // namespace engines::libreoffice
