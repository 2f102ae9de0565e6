#include "builtinlistlevel.h"

#include "argumentcheck.h"
#include "documentstate.h"
#include "listlevelfont.h"
#include "automation/word/constants.h"
#include "automation/failure.h"

#include <array>

namespace engine {
namespace {

// Number styles that the saved file can say in its own terms (RTF \levelnfc).
constexpr std::array<long, 7> supportedNumberStyles = {0, 1, 2, 3, 4, 23, 255};

// Points a list position may take: a page is at most 22 inches wide.
constexpr double widestPositionPoints = 1584;

bool undefined(double value)
{
    return value == word::wdUndefined;
}

} // namespace

BuiltInListLevel::BuiltInListLevel(std::shared_ptr<DocumentState> state, int list, int level)
    : m_state(std::move(state))
    , m_list(list)
    , m_level(level)
{
}

void BuiltInListLevel::change(const std::function<void(ListLevelFormat &)> &apply)
{
    m_state->ensureOpen();
    apply(m_state->changeModel().lists.at(static_cast<size_t>(m_list)).levels.at(static_cast<size_t>(m_level)));
    m_state->markModified();
}

void BuiltInListLevel::setNumberFormat(const QString &format)
{
    // A saved level text holds its length in one byte, placeholders included.
    if (format.size() > 64)
        throw automation::Failure(QStringLiteral("A list number format may have at most 64 characters; this one has %1.")
                              .arg(format.size()));
    change([format](ListLevelFormat &level) { level.numberFormat = format; });
}

void BuiltInListLevel::setTrailingCharacter(long trailing)
{
    if (undefined(trailing))
        return change([](ListLevelFormat &) {});
    requireWithin(trailing, word::wdTrailingTab, word::wdTrailingNone, QStringLiteral("TrailingCharacter"));
    change([trailing](ListLevelFormat &level) { level.trailingCharacter = trailing; });
}

void BuiltInListLevel::setNumberStyle(long style)
{
    if (undefined(style))
        return change([](ListLevelFormat &) {});
    if (std::find(supportedNumberStyles.begin(), supportedNumberStyles.end(), style) == supportedNumberStyles.end())
        throw automation::Failure(QStringLiteral("List number style %1 is not supported; use arabic (0), roman (1, 2), "
                                         "letters (3, 4), bullet (23) or none (255).")
                              .arg(style));
    change([style](ListLevelFormat &level) { level.numberStyle = style; });
}

void BuiltInListLevel::changePosition(double points, const QString &what, double ListLevelFormat::*member)
{
    if (undefined(points))
        return change([](ListLevelFormat &) {});
    requireWithin(points, -widestPositionPoints, widestPositionPoints, what);
    change([points, member](ListLevelFormat &level) { level.*member = points; });
}

void BuiltInListLevel::setNumberPosition(double points)
{
    changePosition(points, QStringLiteral("NumberPosition in points"), &ListLevelFormat::numberPositionPoints);
}

void BuiltInListLevel::setTextPosition(double points)
{
    changePosition(points, QStringLiteral("TextPosition in points"), &ListLevelFormat::textPositionPoints);
}

void BuiltInListLevel::setTabPosition(double points)
{
    changePosition(points, QStringLiteral("TabPosition in points"), &ListLevelFormat::tabPositionPoints);
}

void BuiltInListLevel::setAlignment(long alignment)
{
    if (undefined(alignment))
        return change([](ListLevelFormat &) {});
    requireWithin(alignment, word::wdListLevelAlignLeft, word::wdListLevelAlignRight,
                  QStringLiteral("The list level alignment"));
    change([alignment](ListLevelFormat &level) { level.alignment = alignment; });
}

void BuiltInListLevel::setResetOnHigher(long level)
{
    if (undefined(level))
        return change([](ListLevelFormat &) {});
    // The saved file can say "never restart" or "restart after the level above".
    if (level != 0 && level != m_level)
        throw automation::Failure(QStringLiteral("ResetOnHigher for list level %1 must be 0 or %2; %3 is not supported.")
                              .arg(m_level + 1)
                              .arg(m_level)
                              .arg(level));
    change([level](ListLevelFormat &format) { format.resetOnHigher = level; });
}

void BuiltInListLevel::setStartAt(long start)
{
    if (undefined(start))
        return change([](ListLevelFormat &) {});
    requireWithin(start, 0, 32767, QStringLiteral("StartAt"));
    change([start](ListLevelFormat &level) { level.startAt = start; });
}

void BuiltInListLevel::setLinkedStyle(const QString &style)
{
    if (!style.isEmpty())
        throw automation::Failure(QStringLiteral("The document has no paragraph style \"%1\" to link the list level to.")
                              .arg(style));
    change([](ListLevelFormat &) {});
}

std::shared_ptr<word::Font> BuiltInListLevel::font()
{
    m_state->ensureOpen();
    return std::make_shared<ListLevelFont>(m_state, m_list, m_level);
}

} // namespace engine
