#include "storyranges.h"

#include "storymap.h"

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

std::vector<int> touchedCells(const StoryMap &story, StoryPosition start, StoryPosition end)
{
    std::vector<int> cells;
    for (int area = start.area; area <= end.area; ++area)
        if (story.isCell(area))
            cells.push_back(area);
    return cells;
}

} // namespace engines::libreoffice
