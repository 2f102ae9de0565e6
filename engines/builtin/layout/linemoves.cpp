#include "linemoves.h"

#include "model/storyeditor.h"

#include <cstdlib>
#include <limits>

namespace engine {

LineMoves::LineMoves(StoryEditor &editor, const DocumentLayout &layout)
    : m_editor(editor)
    , m_navigator(layout)
{
}

int LineMoves::origin(bool extend, bool towardsEnd) const
{
    // Without Extend a selection first collapses onto its edge in the direction of the move.
    if (extend || m_editor.anchor() == m_editor.active())
        return m_editor.active();
    return towardsEnd ? m_editor.end() : m_editor.start();
}

long LineMoves::moveActiveTo(int position, bool extend, int from)
{
    if (extend)
        m_editor.moveCharacters(position - m_editor.active(), true);
    else
        m_editor.placeCaret(position);
    return std::labs(static_cast<long>(position) - from);
}

long LineMoves::homeKey(bool extend)
{
    const int from = origin(extend, false);
    return moveActiveTo(m_navigator.lineStart(from), extend, from);
}

long LineMoves::endKey(bool extend)
{
    const int from = origin(extend, true);
    return moveActiveTo(m_navigator.lineEnd(from), extend, from);
}

long LineMoves::moveVertically(long count, bool extend)
{
    const int from = origin(extend, count > 0);
    const LineMove move = m_navigator.moveLines(from, count);
    moveActiveTo(move.position, extend, from);
    return move.lines;
}

long LineMoves::moveUp(long count, bool extend)
{
    return moveVertically(-std::max(count, -std::numeric_limits<long>::max()), extend);
}

long LineMoves::moveDown(long count, bool extend)
{
    return moveVertically(count, extend);
}

} // namespace engine
