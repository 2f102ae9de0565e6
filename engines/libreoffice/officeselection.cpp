#include "officeselection.h"

#include "documentstate.h"
#include "officecells.h"
#include "officeparagraphformat.h"
#include "officerange.h"
#include "officeselectionfont.h"
#include "paragraphat.h"
#include "storymap.h"
#include "storyranges.h"
#include "unocall.h"
#include "unostring.h"
#include "automation/word/constants.h"

#include <algorithm>
#include <QRegularExpression>
#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/text/ControlCharacter.hpp>
#include <com/sun/star/text/XPageCursor.hpp>
#include <com/sun/star/view/XLineCursor.hpp>
#include <com/sun/star/view/XViewCursor.hpp>

using namespace css;

namespace engines::libreoffice {
namespace {

// Moves `position` by up to `count` characters, stepping over each area's
// mark as one; returns how many it went.
long stepCharacters(const StoryMap &story, StoryPosition &position, long count, bool forward)
{
    long moved = 0;
    while (moved < count) {
        if (forward) {
            const int length = story.length(position.area);
            if (position.offset < length) {
                const long take = std::min<long>(count - moved, length - position.offset);
                position.offset += static_cast<int>(take);
                moved += take;
            } else if (position.area + 1 < story.areaCount()) {
                position = {position.area + 1, 0};
                ++moved;
            } else {
                break;
            }
        } else if (position.offset > 0) {
            const long take = std::min<long>(count - moved, position.offset);
            position.offset -= static_cast<int>(take);
            moved += take;
        } else if (position.area > 0) {
            position = {position.area - 1, story.length(position.area - 1)};
            ++moved;
        } else {
            break;
        }
    }
    return moved;
}

// The next or previous cell of the same table, from a row's last cell to the
// next row's first; -1 when there is none.
int neighbourCell(const StoryMap &story, int area, bool forward)
{
    const auto table = story.table(area);
    for (int at = forward ? area + 1 : area - 1; at >= 0 && at < story.areaCount(); at += forward ? 1 : -1) {
        if (story.table(at) != table)
            return -1;
        if (story.isCell(at))
            return at;
    }
    return -1;
}

// How far right of the caret (in 1/100 mm) a cell may start and still count
// as under it.
constexpr sal_Int32 caretSlack = 50;

// Where a move by lines into another cell should land: Word goes into the cell
// of the row reached that lies under the caret, the rightmost one starting
// at or left of it. Writer's view cursor can come into a cell further right
// (below a merged row it chose the middle of three cells).
StoryPosition cellUnderCaret(const StoryMap &story, text::XTextViewCursor &view, StoryPosition landed, sal_Int32 caretX)
{
    const auto startX = [&](int area) {
        view.gotoRange(as<text::XTextRange>(story.cursorAt({area, 0})), false);
        return view.getPosition().X;
    };
    // Cells next to each other in the area list share a row; a row's end stands between rows.
    int area = landed.area;
    while (area > 0 && story.isCell(area - 1) && startX(area) > caretX + caretSlack)
        --area;
    while (area + 1 < story.areaCount() && story.isCell(area + 1) && startX(area + 1) <= caretX + caretSlack)
        ++area;
    return area == landed.area ? landed : StoryPosition{area, 0};
}

void requireCharacterUnit(long unit, const char *move)
{
    if (unit != word::wdCharacter && unit != word::wdCell)
        throw automation::Failure(QStringLiteral("%1 by unit %2 is not supported; only characters (1) and cells (12) are.")
                              .arg(QLatin1String(move))
                              .arg(unit));
}

// The values that `cursor`'s paragraph has of the properties named in `format`.
std::vector<beans::PropertyValue> paragraphFormatOf(const uno::Reference<text::XTextCursor> &cursor,
                                                   const std::vector<beans::PropertyValue> &format)
{
    const auto paragraph = paragraphAt(cursor);
    std::vector<beans::PropertyValue> values;
    for (const auto &property : paragraph.is() ? format : std::vector<beans::PropertyValue>()) {
        beans::PropertyValue value = property;
        value.Value = paragraph->getPropertyValue(property.Name);
        values.push_back(value);
    }
    return values;
}

} // namespace

OfficeSelection::OfficeSelection(std::shared_ptr<DocumentState> state)
    : m_state(std::move(state))
{
}

long OfficeSelection::moveRight(long unit, long count, long extend)
{
    requireCharacterUnit(unit, "Moving right");
    return moveSideways(unit, count, extend, true);
}

long OfficeSelection::moveLeft(long unit, long count, long extend)
{
    requireCharacterUnit(unit, "Moving left");
    return moveSideways(unit, count, extend, false);
}

long OfficeSelection::moveUp(long unit, long count, long extend)
{
    return moveByLines(unit, count, extend, false);
}

long OfficeSelection::moveDown(long unit, long count, long extend)
{
    return moveByLines(unit, count, extend, true);
}

long OfficeSelection::homeKey(long unit, long extend)
{
    return moveToEdge(unit, extend, false);
}

long OfficeSelection::endKey(long unit, long extend)
{
    return moveToEdge(unit, extend, true);
}

long OfficeSelection::moveSideways(long unit, long count, long extend, bool forward)
{
    m_state->ensureOpen();
    return unoCall(QStringLiteral("move the selection"), [&]() -> long {
        const StoryMap &story = m_state->story();
        SelectionState &selection = m_state->selection();
        StoryPosition position = selection.active;
        long moved = 0;
        if (unit == word::wdCell) {
            for (; moved < count; ++moved) {
                const int next = story.isCell(position.area) ? neighbourCell(story, position.area, forward) : -1;
                if (next < 0)
                    break;
                position = {next, 0};
            }
            selection.placeCaret(position);
            return moved;
        }
        // Without extending, a stretch collapses to its end in the direction
        // of the move, which counts as the first step.
        if (!extend && !selection.collapsed()) {
            position = forward ? selection.end() : selection.start();
            moved = 1;
        }
        moved += stepCharacters(story, position, count - moved, forward);
        moveActive(position, extend);
        return moved;
    });
}

long OfficeSelection::moveByLines(long unit, long count, long extend, bool down)
{
    m_state->ensureOpen();
    if (unit != word::wdLine)
        throw automation::Failure(QStringLiteral("Moving up or down by unit %1 is not supported; only lines (5) are.").arg(unit));
    return unoCall(QStringLiteral("move the selection by lines"), [&]() -> long {
        const StoryMap &story = m_state->story();
        const StoryPosition from = m_state->selection().active;
        const auto view = m_state->viewCursor();
        view->gotoRange(as<text::XTextRange>(story.cursorAt(from)), false);
        const sal_Int32 caretX = view->getPosition().X;
        const uno::Reference<view::XViewCursor> lines(view, uno::UNO_QUERY_THROW);
        long moved = 0;
        while (moved < count && (down ? lines->goDown(1, false) : lines->goUp(1, false)))
            ++moved;
        StoryPosition to = story.positionOf(as<text::XTextRange>(view));
        if (to.area != from.area && story.isCell(to.area))
            to = cellUnderCaret(story, *view, to, caretX);
        moveActive(to, extend);
        return moved;
    });
}

long OfficeSelection::moveToEdge(long unit, long extend, bool toEnd)
{
    m_state->ensureOpen();
    if (unit != word::wdLine && unit != word::wdStory)
        throw automation::Failure(QStringLiteral("Home and End by unit %1 are not supported; only lines (5) and the "
                                         "whole story (6) are.")
                              .arg(unit));
    return unoCall(QStringLiteral("move the selection to the line's edge"), [&]() -> long {
        const StoryMap &story = m_state->story();
        const StoryPosition before = m_state->selection().active;
        StoryPosition target = toEnd ? story.end() : StoryPosition{};
        if (unit == word::wdLine) {
            const auto view = m_state->viewCursor();
            view->gotoRange(as<text::XTextRange>(story.cursorAt(before)), false);
            const uno::Reference<view::XLineCursor> line(view, uno::UNO_QUERY_THROW);
            if (toEnd)
                line->gotoEndOfLine(false);
            else
                line->gotoStartOfLine(false);
            target = story.positionOf(as<text::XTextRange>(view));
        }
        moveActive(target, extend);
        return target == before ? 0 : 1;
    });
}

void OfficeSelection::moveActive(StoryPosition to, long extend)
{
    SelectionState &selection = m_state->selection();
    if (extend) {
        selection.active = to;
        selection.typingFormat.clear();
    } else {
        selection.placeCaret(to);
    }
}

void OfficeSelection::goTo(long what, long which, long count)
{
    m_state->ensureOpen();
    if (what != word::wdGoToPage)
        throw automation::Failure(QStringLiteral("Going to item %1 is not supported; only pages (1) are.").arg(what));
    unoCall(QStringLiteral("go to a page"), [&] {
        const StoryMap &story = m_state->story();
        const auto view = m_state->viewCursor();
        const uno::Reference<text::XPageCursor> pages(view, uno::UNO_QUERY_THROW);
        view->gotoRange(as<text::XTextRange>(story.cursorAt(m_state->selection().active)), false);
        const long current = pages->getPage();
        pages->jumpToLastPage();
        const long last = pages->getPage();
        long target = 1;
        switch (which) {
        case word::wdGoToAbsolute: target = count; break;
        case word::wdGoToNext: target = current + std::max(count, 1L); break;
        case word::wdGoToPrevious: target = current - std::max(count, 1L); break;
        case word::wdGoToLast: target = last; break;
        default: throw automation::Failure(QStringLiteral("Going to page direction %1 is not supported.").arg(which));
        }
        // Word stops at the first or last page rather than failing.
        pages->jumpToPage(static_cast<sal_Int16>(std::clamp(target, 1L, last)));
        pages->jumpToStartOfPage();
        m_state->selection().placeCaret(story.positionOf(as<text::XTextRange>(view)));
    });
}

long OfficeSelection::deleteText(long unit, long count)
{
    m_state->ensureOpen();
    if (unit != word::wdCharacter)
        throw automation::Failure(QStringLiteral("Deleting by unit %1 is not supported; only characters (1) are.").arg(unit));
    return unoCall(QStringLiteral("delete text"), [&]() -> long {
        const StoryMap &story = m_state->story();
        SelectionState &selection = m_state->selection();
        const StoryPosition start = selection.start();
        StoryPosition end = selection.end();
        if (start.area != end.area)
            throw automation::Failure(QStringLiteral("A selection over several cells cannot be deleted as text."));
        const bool collapsed = selection.collapsed();
        // A mark cannot be deleted: deleting stops at the end of the area.
        if (collapsed)
            end.offset = static_cast<int>(std::min<long>(story.length(start.area), start.offset + std::max(count, 0L)));
        const long deleted = end.offset - start.offset;
        story.cursorOver(start.area, start.offset, end.offset)->setString(rtl::OUString());
        selection.placeCaret(start);
        m_state->markModified();
        // Deleting a selected stretch counts as one unit, as in Word.
        return collapsed || deleted == 0 ? deleted : 1;
    });
}

void OfficeSelection::typeText(const QString &text)
{
    m_state->ensureOpen();
    unoCall(QStringLiteral("type text"), [&] { insertText(text); });
}

void OfficeSelection::insertText(const QString &text)
{
    SelectionState &selection = m_state->selection();
    if (selection.start().area != selection.end().area)
        throw automation::Failure(QStringLiteral("Typing over a selection of several cells is not supported."));
    const StoryMap &story = m_state->story();
    const StoryPosition start = selection.start();
    // Typed text replaces what is selected, as in Word.
    if (!selection.collapsed())
        story.cursorOver(start.area, start.offset, selection.end().offset)->setString(rtl::OUString());
    const auto cursor = story.cursorAt(start);
    const auto area = cursor->getText();
    const QStringList paragraphs = text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    const std::vector<beans::PropertyValue> markFormat = paragraphFormatOf(cursor, selection.typingFormat);
    int typed = 0;
    for (int index = 0; index < paragraphs.size(); ++index) {
        if (index > 0) {
            area->insertControlCharacter(as<text::XTextRange>(cursor), text::ControlCharacter::PARAGRAPH_BREAK, false);
            ++typed;
        }
        area->insertString(as<text::XTextRange>(cursor), toOUString(paragraphs[index]), false);
        typed += static_cast<int>(paragraphs[index].size());
    }
    if (!selection.typingFormat.empty() && typed > 0) {
        const uno::Reference<beans::XPropertySet> inserted(story.cursorOver(start.area, start.offset, start.offset + typed),
                                                           uno::UNO_QUERY_THROW);
        for (const auto &property : selection.typingFormat)
            inserted->setPropertyValue(property.Name, property.Value);
        // Each break typed is a new paragraph mark in the typing format; the
        // paragraph that ends with the old mark keeps its format, which an
        // empty last paragraph shows in its height.
        const auto last = paragraphs.size() > 1 ? emptyParagraphAt(cursor) : uno::Reference<beans::XPropertySet>();
        for (const auto &property : last.is() ? markFormat : std::vector<beans::PropertyValue>())
            last->setPropertyValue(property.Name, property.Value);
    }
    const bool bodySplit = paragraphs.size() > 1 && !story.isCell(start.area);
    const auto typingFormat = selection.typingFormat;
    if (bodySplit) {
        // New paragraphs outside a table are new areas of the story.
        m_state->storyChanged();
        selection.placeCaret(m_state->story().positionOf(as<text::XTextRange>(cursor)));
    } else {
        m_state->markModified();
        selection.placeCaret({start.area, start.offset + typed});
    }
    selection.typingFormat = typingFormat;
}

void OfficeSelection::insertSymbol(long characterNumber, bool unicode, long)
{
    if (characterNumber <= 0 || characterNumber > 0x10FFFF)
        throw automation::Failure(QStringLiteral("The symbol %1 is not a character.").arg(characterNumber));
    const char32_t code = static_cast<char32_t>(unicode ? characterNumber : (characterNumber & 0xFF));
    typeText(QString::fromUcs4(&code, 1));
}

std::shared_ptr<word::Font> OfficeSelection::font()
{
    m_state->ensureOpen();
    return std::make_shared<OfficeSelectionFont>(m_state);
}

std::shared_ptr<word::ParagraphFormat> OfficeSelection::paragraphFormat()
{
    m_state->ensureOpen();
    return std::make_shared<OfficeParagraphFormat>(m_state);
}

std::shared_ptr<word::Cells> OfficeSelection::cells()
{
    m_state->ensureOpen();
    return unoCall(QStringLiteral("find the selected cells"), [&] {
        const StoryMap &story = m_state->story();
        const SelectionState &selection = m_state->selection();
        const std::vector<int> areas = touchedCells(story, selection.start(), selection.end());
        if (areas.empty())
            throw automation::Failure(QStringLiteral("The selection is not in a table, so it has no cells."));
        QStringList names;
        for (const int area : areas)
            names << story.cellName(area);
        return std::make_shared<OfficeCells>(m_state, story.table(areas.front()), names);
    });
}

std::shared_ptr<word::Range> OfficeSelection::range()
{
    m_state->ensureOpen();
    const SelectionState &selection = m_state->selection();
    return std::make_shared<OfficeRange>(m_state, selection.start(), selection.end());
}

} // namespace engines::libreoffice
