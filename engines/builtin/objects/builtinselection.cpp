#include "builtinselection.h"

#include "layout/linemoves.h"

#include "argumentcheck.h"
#include "builtincells.h"
#include "builtinrange.h"
#include "documentstate.h"
#include "selectionfont.h"
#include "selectionparagraphformat.h"
#include "automation/word/constants.h"
#include "automation/failure.h"

#include <algorithm>
#include <limits>

namespace engine {
namespace {

automation::Failure unsupportedUnit(long unit)
{
    return automation::Failure(QStringLiteral("The selection cannot move by unit %1 here; it moves by "
                                      "character (1), cell (12) or, to its edges, story (6).")
                           .arg(unit));
}

bool extending(long extend)
{
    if (extend != word::wdMove && extend != word::wdExtend)
        throw automation::Failure(QStringLiteral("Extend must be 0 (move) or 1 (extend); %1 is not allowed.").arg(extend));
    return extend == word::wdExtend;
}

// Windows code page 1252 differs from Latin-1 only in 0x80 to 0x9F.
char32_t fromCodePage1252(long code)
{
    static const char16_t high[32] = {0x20AC, 0x81, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x8D, 0x017D, 0x8F,
                                      0x90, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D, 0x017E, 0x0178};
    return code >= 0x80 && code < 0xA0 ? high[code - 0x80] : static_cast<char32_t>(code);
}

} // namespace

BuiltInSelection::BuiltInSelection(std::shared_ptr<DocumentState> state)
    : m_state(std::move(state))
{
}

long BuiltInSelection::moveHorizontally(long unit, long count, long extend)
{
    m_state->ensureOpen();
    const bool extendSelection = extending(extend);
    switch (unit) {
    case word::wdCharacter: return m_state->editor().moveCharacters(count, extendSelection);
    case word::wdCell: return m_state->editor().moveCells(count, extendSelection);
    case word::wdLine: throw automation::Failure(QStringLiteral("Moving left or right by lines is not something a selection can do; use wdCharacter or wdCell."));
    default: throw unsupportedUnit(unit);
    }
}

long BuiltInSelection::moveRight(long unit, long count, long extend)
{
    return moveHorizontally(unit, count, extend);
}

long BuiltInSelection::moveLeft(long unit, long count, long extend)
{
    // The most negative count has no positive twin; one less is as far.
    return moveHorizontally(unit, -std::max(count, -std::numeric_limits<long>::max()), extend);
}

LineMoves BuiltInSelection::lineMoves()
{
    const DocumentLayout &layout = m_state->layout();
    return LineMoves(m_state->editor(), layout);
}

long BuiltInSelection::moveVertically(long unit, long count, long extend)
{
    m_state->ensureOpen();
    const bool extendSelection = extending(extend);
    if (unit != word::wdLine)
        throw unsupportedUnit(unit);
    return lineMoves().moveDown(count, extendSelection);
}

long BuiltInSelection::moveUp(long unit, long count, long extend)
{
    // The most negative count has no positive twin; one less is as far.
    return moveVertically(unit, -std::max(count, -std::numeric_limits<long>::max()), extend);
}

long BuiltInSelection::moveDown(long unit, long count, long extend)
{
    return moveVertically(unit, count, extend);
}

long BuiltInSelection::moveToEdge(long unit, long extend, bool toEnd)
{
    m_state->ensureOpen();
    const bool extendSelection = extending(extend);
    if (unit == word::wdStory)
        return m_state->editor().moveToStoryEdge(toEnd, extendSelection);
    if (unit == word::wdLine)
        return toEnd ? lineMoves().endKey(extendSelection) : lineMoves().homeKey(extendSelection);
    throw unsupportedUnit(unit);
}

long BuiltInSelection::homeKey(long unit, long extend)
{
    return moveToEdge(unit, extend, false);
}

long BuiltInSelection::endKey(long unit, long extend)
{
    return moveToEdge(unit, extend, true);
}

void BuiltInSelection::goTo(long what, long which, long count)
{
    m_state->ensureOpen();
    if (what != word::wdGoToPage)
        throw automation::Failure(QStringLiteral("Going to item %1 is not supported; only pages (1) are.").arg(what));
    const DocumentLayout &layout = m_state->layout();
    const int current = layout.pageHolding(m_state->editor().active());
    const long last = layout.pageCount() - 1;
    long target = 0;
    switch (which) {
    case word::wdGoToAbsolute: target = count - 1; break;
    case word::wdGoToNext: target = current + std::max(count, 1L); break;
    case word::wdGoToPrevious: target = current - std::max(count, 1L); break;
    case word::wdGoToLast: target = last; break;
    default: throw automation::Failure(QStringLiteral("Going to page direction %1 is not supported.").arg(which));
    }
    // Word stops at the first or last page rather than failing.
    target = std::clamp(target, 0L, last);
    m_state->editor().placeCaret(layout.firstPositionOnPage(static_cast<int>(target)));
}

long BuiltInSelection::deleteText(long, long)
{
    m_state->ensureOpen();
    throw automation::Failure(QStringLiteral("Deleting through the selection is not something the built-in word processor offers."));
}

void BuiltInSelection::typeText(const QString &text)
{
    m_state->ensureOpen();
    m_state->editor().typeText(text);
    m_state->markModified();
}

void BuiltInSelection::insertSymbol(long characterNumber, bool unicode, long bias)
{
    m_state->ensureOpen();
    requireWithin(bias, 0, 0xFFFF, QStringLiteral("The symbol's bias"));
    long code = characterNumber;
    if (unicode) {
        // Word passes characters above 32767 as negative 16-bit numbers.
        if (code < 0 && code >= -32768)
            code += 65536;
        requireWithin(code, 1, 0x10FFFF, QStringLiteral("The symbol's Unicode character number"));
        if (code >= 0xD800 && code <= 0xDFFF)
            throw automation::Failure(QStringLiteral("The symbol's character number %1 is half of a surrogate pair, "
                                             "not a character.").arg(code));
    } else {
        requireWithin(code, 1, 255, QStringLiteral("The symbol's character number"));
        code = static_cast<long>(fromCodePage1252(code));
    }
    m_state->editor().insertCharacter(static_cast<char32_t>(code));
    m_state->markModified();
}

std::shared_ptr<word::Font> BuiltInSelection::font()
{
    m_state->ensureOpen();
    return std::make_shared<SelectionFont>(m_state);
}

std::shared_ptr<word::ParagraphFormat> BuiltInSelection::paragraphFormat()
{
    m_state->ensureOpen();
    return std::make_shared<SelectionParagraphFormat>(m_state);
}

std::shared_ptr<word::Cells> BuiltInSelection::cells()
{
    m_state->ensureOpen();
    const StoryEditor &editor = m_state->editor();
    std::vector<int> formats;
    for (int cell : editor.selectedCells())
        formats.push_back(m_state->model().story.at(cell).structure);
    return std::make_shared<BuiltInCells>(m_state, formats);
}

std::shared_ptr<word::Range> BuiltInSelection::range()
{
    m_state->ensureOpen();
    return std::make_shared<BuiltInRange>(m_state, m_state->editor().start(), m_state->editor().end());
}

} // namespace engine
