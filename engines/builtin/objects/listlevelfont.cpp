#include "listlevelfont.h"

#include "argumentcheck.h"
#include "documentstate.h"
#include "fontname.h"
#include "automation/word/constants.h"
#include "automation/failure.h"

#include <cmath>

namespace engine {
namespace {

void requireValue(word::FontProperty property, double value)
{
    switch (property) {
    case word::FontProperty::Size:
        requireWithin(value, 1, 1638, QStringLiteral("The list level font size in points"));
        break;
    case word::FontProperty::Color:
        requireColor(value, QStringLiteral("The list level font colour"));
        break;
    case word::FontProperty::Underline:
        requireWithin(value, 0, 1, QStringLiteral("The list level underline (none or single)"));
        break;
    case word::FontProperty::Animation:
        requireWithin(value, 0, 6, QStringLiteral("The list level text animation"));
        break;
    default:
        requireFlag(value, QStringLiteral("A list level font flag"));
    }
}

bool isFlag(word::FontProperty property)
{
    return property != word::FontProperty::Size && property != word::FontProperty::Color
           && property != word::FontProperty::Underline && property != word::FontProperty::Animation;
}

} // namespace

ListLevelFont::ListLevelFont(std::shared_ptr<DocumentState> state, int list, int level)
    : m_state(std::move(state))
    , m_list(list)
    , m_level(level)
{
}

const ListLevelFormat &ListLevelFont::level() const
{
    m_state->ensureOpen();
    return m_state->model().lists.at(static_cast<size_t>(m_list)).levels.at(static_cast<size_t>(m_level));
}

ListLevelFormat &ListLevelFont::changeLevel()
{
    m_state->ensureOpen();
    return m_state->changeModel().lists.at(static_cast<size_t>(m_list)).levels.at(static_cast<size_t>(m_level));
}

void ListLevelFont::set(word::FontProperty property, double value)
{
    ListLevelFormat &format = changeLevel();
    if (value == word::wdUndefined)
        return;
    requireValue(property, value);
    if (property == word::FontProperty::Size)
        value = std::round(value * 2) / 2;
    else if (isFlag(property) && value == 1)
        value = word::True;
    format.fontProperties[property] = value;
    m_state->markModified();
}

double ListLevelFont::get(word::FontProperty property) const
{
    const ListLevelFormat &format = level();
    const auto found = format.fontProperties.find(property);
    return found == format.fontProperties.end() ? word::wdUndefined : found->second;
}

void ListLevelFont::setName(const QString &name)
{
    ListLevelFormat &format = changeLevel();
    requireFontName(name);
    format.fontName = name;
    m_state->markModified();
}

QString ListLevelFont::name() const
{
    return level().fontName;
}

} // namespace engine
