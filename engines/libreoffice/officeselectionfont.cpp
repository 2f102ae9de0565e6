#include "officeselectionfont.h"

#include "characterproperties.h"
#include "documentstate.h"
#include "paragraphat.h"
#include "storymap.h"
#include "storyranges.h"
#include "unocall.h"
#include "unostring.h"
#include "automation/word/constants.h"

#include <algorithm>
#include <com/sun/star/beans/XPropertySet.hpp>

using namespace css;

namespace engines::libreoffice {
OfficeSelectionFont::OfficeSelectionFont(std::shared_ptr<DocumentState> state)
    : m_state(std::move(state))
{
}

void OfficeSelectionFont::set(word::FontProperty property, double value)
{
    m_state->ensureOpen();
    // Word's "undefined" leaves a property as it is.
    if (value == word::wdUndefined)
        return;
    const auto writer = characterProperty(property, value);
    if (!writer)
        throw automation::Failure(QStringLiteral("This font property cannot be set in LibreOffice."));
    unoCall(QStringLiteral("set the font"), [&] { apply(*writer); });
}

double OfficeSelectionFont::get(word::FontProperty property) const
{
    m_state->ensureOpen();
    const char *name = writerPropertyName(property);
    if (!name)
        throw automation::Failure(QStringLiteral("This font property cannot be read from LibreOffice."));
    beans::PropertyValue probe;
    probe.Name = rtl::OUString::createFromAscii(name);
    const auto value = wordFontValue(property, unoCall(QStringLiteral("read the font"), [&] { return current(probe); }));
    return value ? *value : word::wdUndefined;
}

void OfficeSelectionFont::setName(const QString &name)
{
    m_state->ensureOpen();
    if (name.trimmed().isEmpty())
        throw automation::Failure(QStringLiteral("A font needs a name."));
    unoCall(QStringLiteral("set the font name \"%1\"").arg(name),
            [&] { apply(namedValue("CharFontName", uno::Any(toOUString(name)))); });
}

QString OfficeSelectionFont::name() const
{
    m_state->ensureOpen();
    return unoCall(QStringLiteral("read the font name"), [&] {
        return toQString(current(namedValue("CharFontName", {})).get<rtl::OUString>());
    });
}

void OfficeSelectionFont::apply(const beans::PropertyValue &property)
{
    for (const beans::PropertyValue &value : forEveryScript(property))
        applyOne(value);
    m_state->markModified();
}

void OfficeSelectionFont::applyOne(const beans::PropertyValue &property)
{
    SelectionState &selection = m_state->selection();
    auto &typing = selection.typingFormat;
    const auto same = std::find_if(typing.begin(), typing.end(), [&](const auto &held) { return held.Name == property.Name; });
    if (same != typing.end())
        *same = property;
    else
        typing.push_back(property);

    const StoryMap &story = m_state->story();
    if (selection.collapsed()) {
        if (const auto paragraph = emptyParagraphAt(story.cursorAt(selection.active)); paragraph.is())
            paragraph->setPropertyValue(property.Name, property.Value);
    } else {
        for (const auto &cursor : storyRanges(story, selection.start(), selection.end()))
            uno::Reference<beans::XPropertySet>(cursor, uno::UNO_QUERY_THROW)->setPropertyValue(property.Name, property.Value);
    }
}

uno::Any OfficeSelectionFont::current(const beans::PropertyValue &probe) const
{
    const auto &typing = m_state->selection().typingFormat;
    const auto held = std::find_if(typing.begin(), typing.end(), [&](const auto &value) { return value.Name == probe.Name; });
    if (held != typing.end())
        return held->Value;
    const auto cursor = m_state->story().cursorAt(m_state->selection().active);
    return uno::Reference<beans::XPropertySet>(cursor, uno::UNO_QUERY_THROW)->getPropertyValue(probe.Name);
}

} // namespace engines::libreoffice
