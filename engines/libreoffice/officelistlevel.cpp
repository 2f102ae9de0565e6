#include "officelistlevel.h"

#include "officelistlevelfont.h"
#include "unostring.h"
#include "automation/word/constants.h"
#include "automation/failure.h"

#include <algorithm>
#include <com/sun/star/text/HoriOrientation.hpp>
#include <com/sun/star/style/NumberingType.hpp>
#include <com/sun/star/text/PositionAndSpaceMode.hpp>

using namespace css;

namespace engines::libreoffice {
namespace {

const std::pair<long, sal_Int16> numberStyles[] = {
    {word::wdListNumberStyleArabic, style::NumberingType::ARABIC},
    {1, style::NumberingType::ROMAN_UPPER},
    {2, style::NumberingType::ROMAN_LOWER},
    {3, style::NumberingType::CHARS_UPPER_LETTER},
    {4, style::NumberingType::CHARS_LOWER_LETTER},
    {word::wdListNumberStyleBullet, style::NumberingType::CHAR_SPECIAL},
};

sal_Int32 hundredths(const NumberingLevel &level, const char *name)
{
    sal_Int32 value = 0;
    level.value(name) >>= value;
    return value;
}

void useLabelAlignment(NumberingLevel &level)
{
    level.set("PositionAndSpaceMode", uno::Any(text::PositionAndSpaceMode::LABEL_ALIGNMENT));
}

} // namespace

OfficeListLevel::OfficeListLevel(std::shared_ptr<DocumentState> state, QString styleName, int level)
    : m_state(std::move(state))
    , m_styleName(std::move(styleName))
    , m_level(level)
    , m_numbering(m_state, m_styleName, level)
{
}

void OfficeListLevel::setNumberFormat(const QString &format)
{
    // "%1" stands for the level's number, as in Word; anything without it is a bullet.
    const QString placeholder = QLatin1Char('%') + QString::number(m_level + 1);
    const qsizetype at = format.indexOf(placeholder);
    m_numbering.change(QStringLiteral("set the list level's number format"), [&](NumberingLevel &level) {
        if (at < 0) {
            level.set("BulletChar", uno::Any(toOUString(format.left(format.isEmpty() ? 0 : 1))));
            return;
        }
        level.set("Prefix", uno::Any(toOUString(format.left(at))));
        level.set("Suffix", uno::Any(toOUString(format.mid(at + placeholder.size()))));
    });
}

void OfficeListLevel::setTrailingCharacter(long trailing)
{
    // Word's tab (0), space (1) and nothing (2) are Writer's LabelFollow values too.
    if (trailing < word::wdTrailingTab || trailing > word::wdTrailingNone)
        throw automation::Failure(QStringLiteral("The trailing character %1 is not a tab (0), a space (1) or nothing (2).")
                              .arg(trailing));
    m_numbering.change(QStringLiteral("set what follows the list number"), [&](NumberingLevel &level) {
        useLabelAlignment(level);
        level.set("LabelFollowedBy", uno::Any(static_cast<sal_Int16>(trailing)));
    });
}

void OfficeListLevel::setNumberStyle(long style)
{
    const auto match = std::find_if(std::begin(numberStyles), std::end(numberStyles),
                                    [style](const auto &pair) { return pair.first == style; });
    if (match == std::end(numberStyles))
        throw automation::Failure(QStringLiteral("The list number style %1 is not supported.").arg(style));
    m_numbering.change(QStringLiteral("set the list number style"),
                       [&](NumberingLevel &level) { level.set("NumberingType", uno::Any(match->second)); });
}

void OfficeListLevel::setNumberPosition(double points)
{
    m_numbering.change(QStringLiteral("set the list number position"), [&](NumberingLevel &level) {
        useLabelAlignment(level);
        level.set("FirstLineIndent", uno::Any(pointsToHundredthMm(points) - hundredths(m_numbering, "IndentAt")));
    });
}

void OfficeListLevel::setAlignment(long alignment)
{
    sal_Int16 adjust = text::HoriOrientation::LEFT;
    switch (alignment) {
    case word::wdListLevelAlignLeft: adjust = text::HoriOrientation::LEFT; break;
    case word::wdListLevelAlignCenter: adjust = text::HoriOrientation::CENTER; break;
    case word::wdListLevelAlignRight: adjust = text::HoriOrientation::RIGHT; break;
    default: throw automation::Failure(QStringLiteral("The list number alignment %1 is not left, centre or right.").arg(alignment));
    }
    m_numbering.change(QStringLiteral("align the list number"),
                       [&](NumberingLevel &level) { level.set("Adjust", uno::Any(adjust)); });
}

void OfficeListLevel::setTextPosition(double points)
{
    // The number keeps its place while the text moves.
    const sal_Int32 numberAt = hundredths(m_numbering, "IndentAt") + hundredths(m_numbering, "FirstLineIndent");
    m_numbering.change(QStringLiteral("set the list text position"), [&](NumberingLevel &level) {
        useLabelAlignment(level);
        level.set("IndentAt", uno::Any(pointsToHundredthMm(points)));
        level.set("FirstLineIndent", uno::Any(numberAt - pointsToHundredthMm(points)));
    });
}

void OfficeListLevel::setTabPosition(double points)
{
    m_numbering.change(QStringLiteral("set the list tab position"), [&](NumberingLevel &level) {
        useLabelAlignment(level);
        level.set("ListtabStopPosition", uno::Any(pointsToHundredthMm(points)));
    });
}

void OfficeListLevel::setResetOnHigher(long level)
{
    // Writer restarts a level's numbering after the level above it, which is
    // Word's usual value; the first level has none above it.
    if (level != m_level && level != 0)
        throw automation::Failure(QStringLiteral("LibreOffice restarts a list level only after the level above it; "
                                         "restarting after level %1 is not possible.")
                              .arg(level));
}

void OfficeListLevel::setStartAt(long start)
{
    if (start < 0 || start > 32767)
        throw automation::Failure(QStringLiteral("A list cannot start at %1.").arg(start));
    m_numbering.change(QStringLiteral("set the list's first number"),
                       [&](NumberingLevel &level) { level.set("StartWith", uno::Any(static_cast<sal_Int16>(start))); });
}

void OfficeListLevel::setLinkedStyle(const QString &style)
{
    m_numbering.change(QStringLiteral("link the list level to a style"),
                       [&](NumberingLevel &level) { level.set("ParagraphStyleName", uno::Any(toOUString(style))); });
}

std::shared_ptr<word::Font> OfficeListLevel::font()
{
    return std::make_shared<OfficeListLevelFont>(m_state, m_styleName, m_level);
}

} // namespace engines::libreoffice
