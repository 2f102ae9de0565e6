#include "docxnumbering.h"

#include "docxrunproperties.h"
#include "xmltext.h"

#include <cmath>

namespace engine {
namespace {

int twips(double points)
{
    return static_cast<int>(std::lround(points * 20));
}

QByteArray value(const char *name, const QByteArray &value)
{
    return QByteArray("<w:") + name + " w:val=\"" + value + "\"/>";
}

const char *numberFormat(long style)
{
    switch (style) {
    case word::wdListNumberStyleBullet: return "bullet";
    case 1: return "upperRoman";
    case 2: return "lowerRoman";
    case 3: return "upperLetter";
    case 4: return "lowerLetter";
    case 255: return "none";
    default: return "decimal";
    }
}

const char *suffix(long trailing)
{
    switch (trailing) {
    case word::wdTrailingSpace: return "space";
    case word::wdTrailingNone: return "nothing";
    default: return "tab";
    }
}

const char *justification(long alignment)
{
    switch (alignment) {
    case word::wdListLevelAlignCenter: return "center";
    case word::wdListLevelAlignRight: return "right";
    default: return "left";
    }
}

} // namespace

QByteArray DocxNumbering::part(const std::vector<ListDefinition> &lists)
{
    QByteArray out = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
                     "<w:numbering xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">";
    for (size_t i = 0; i < lists.size(); ++i)
        out += abstractNumbering(lists[i], static_cast<int>(i));
    // The instances follow all abstract numberings, as the schema orders them.
    for (size_t i = 0; i < lists.size(); ++i)
        out += "<w:num w:numId=\"" + QByteArray::number(static_cast<qulonglong>(i + 1)) + "\">"
            + value("abstractNumId", QByteArray::number(static_cast<qulonglong>(i))) + "</w:num>";
    return out + "</w:numbering>";
}

QByteArray DocxNumbering::abstractNumbering(const ListDefinition &list, int id)
{
    QByteArray out = "<w:abstractNum w:abstractNumId=\"" + QByteArray::number(id) + "\">"
        + value("multiLevelType", list.outlineNumbered ? "multilevel" : "hybridMultilevel");
    if (!list.name.isEmpty())
        out += value("name", XmlText::escaped(list.name));
    for (int i = 0; i < ListDefinition::levelCount; ++i)
        out += level(list.levels[static_cast<size_t>(i)], i);
    return out + "</w:abstractNum>";
}

QByteArray DocxNumbering::levelTabs(const ListLevelFormat &level)
{
    return "<w:tabs><w:tab w:val=\"num\" w:pos=\"" + QByteArray::number(twips(level.tabPositionPoints))
        + "\"/></w:tabs>";
}

QByteArray DocxNumbering::levelIndents(const ListLevelFormat &level)
{
    const int textTwips = twips(level.textPositionPoints);
    const int numberTwips = twips(level.numberPositionPoints);
    const QByteArray first = numberTwips <= textTwips ? " w:hanging=\"" + QByteArray::number(textTwips - numberTwips)
                                                      : " w:firstLine=\"" + QByteArray::number(numberTwips - textTwips);
    return "<w:ind w:left=\"" + QByteArray::number(textTwips) + "\"" + first + "\"/>";
}

QByteArray DocxNumbering::level(const ListLevelFormat &level, int index)
{
    // Word's number format and the level text share their "%1" placeholders.
    return "<w:lvl w:ilvl=\"" + QByteArray::number(index) + "\">" + value("start", QByteArray::number(level.startAt))
        + value("numFmt", numberFormat(level.numberStyle))
        + value("lvlRestart", QByteArray::number(level.resetOnHigher)) + value("suff", suffix(level.trailingCharacter))
        + value("lvlText", XmlText::escaped(level.numberFormat)) + value("lvlJc", justification(level.alignment))
        + "<w:pPr>" + levelTabs(level) + levelIndents(level) + "</w:pPr>" + DocxRunProperties::forListLevel(level) + "</w:lvl>";
}

} // namespace engine
