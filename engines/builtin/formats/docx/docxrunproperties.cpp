#include "docxrunproperties.h"

#include "xmltext.h"

#include "automation/word/constants.h"

#include <array>
#include <cmath>

namespace engine {
namespace {

using word::FontProperty;

struct Toggle {
    FontProperty property;
    const char *element;
};

// The on/off properties in the order the schema wants them.
const std::array<Toggle, 10> togglesBeforeColor = {{
    {FontProperty::Bold, "b"},
    {FontProperty::Italic, "i"},
    {FontProperty::AllCaps, "caps"},
    {FontProperty::StrikeThrough, "strike"},
    {FontProperty::DoubleStrikeThrough, "dstrike"},
    {FontProperty::Outline, "outline"},
    {FontProperty::Shadow, "shadow"},
    {FontProperty::Emboss, "emboss"},
    {FontProperty::Engrave, "imprint"},
    {FontProperty::Hidden, "vanish"},
}};

// Word's text animations by number, as the schema names them.
const std::array<const char *, 7> animations = {"none",        "lights",      "blinkBackground", "sparkle",
                                                "antsBlack",   "antsRed",     "shimmer"};

QByteArray element(const char *name, const QByteArray &value)
{
    return QByteArray("<w:") + name + " w:val=\"" + value + "\"/>";
}

QByteArray toggle(const char *name, bool on)
{
    return on ? QByteArray("<w:") + name + "/>" : element(name, "0");
}

QByteArray halfPoints(int value)
{
    return element("sz", QByteArray::number(value)) + element("szCs", QByteArray::number(value));
}

QByteArray verticalAlignment(const std::map<word::FontProperty, double> &properties)
{
    const auto sub = properties.find(FontProperty::Subscript);
    const auto super = properties.find(FontProperty::Superscript);
    if (super != properties.end() && super->second != 0)
        return element("vertAlign", "superscript");
    if (sub != properties.end() && sub->second != 0)
        return element("vertAlign", "subscript");
    if (sub != properties.end() || super != properties.end())
        return element("vertAlign", "baseline");
    return QByteArray();
}

} // namespace

QByteArray DocxRunProperties::fonts(const QString &name)
{
    const QByteArray escaped = XmlText::escaped(name);
    return "<w:rFonts w:ascii=\"" + escaped + "\" w:hAnsi=\"" + escaped + "\" w:eastAsia=\"" + escaped
        + "\" w:cs=\"" + escaped + "\"/>";
}

QByteArray DocxRunProperties::colorValue(long color)
{
    if (color == word::wdColorAutomatic)
        return "auto";
    const long rgb = ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
    return QByteArray::number(static_cast<qlonglong>(rgb), 16).rightJustified(6, '0').toUpper();
}

QByteArray DocxRunProperties::forText(const CharacterFormat &format)
{
    // Readers differ on whether unmarked text is kerned, so it is always said.
    return "<w:rPr>" + fonts(format.fontName) + toggle("b", format.bold) + toggle("bCs", format.bold)
        + element("kern", QByteArray::number(format.kerningHalfPoints)) + halfPoints(format.sizeHalfPoints)
        + "</w:rPr>";
}

QByteArray DocxRunProperties::forListLevel(const ListLevelFormat &level)
{
    const std::map<word::FontProperty, double> &properties = level.fontProperties;
    QByteArray out = "<w:rPr>";
    if (!level.fontName.isEmpty()) {
        const QByteArray escaped = XmlText::escaped(level.fontName);
        out += "<w:rFonts w:ascii=\"" + escaped + "\" w:hAnsi=\"" + escaped + "\" w:cs=\"" + escaped
            + "\" w:hint=\"default\"/>";
    }
    for (const Toggle &flag : togglesBeforeColor) {
        const auto found = properties.find(flag.property);
        if (found != properties.end())
            out += toggle(flag.element, found->second != 0);
    }
    const auto color = properties.find(FontProperty::Color);
    if (color != properties.end())
        out += element("color", colorValue(static_cast<long>(color->second)));
    const auto size = properties.find(FontProperty::Size);
    if (size != properties.end())
        out += halfPoints(static_cast<int>(std::lround(size->second * 2)));
    const auto underline = properties.find(FontProperty::Underline);
    if (underline != properties.end())
        out += element("u", underline->second != 0 ? "single" : "none");
    const auto animation = properties.find(FontProperty::Animation);
    if (animation != properties.end()) {
        const auto index = static_cast<size_t>(std::lround(animation->second));
        out += element("effect", index < animations.size() ? animations.at(index) : "none");
    }
    return out + verticalAlignment(properties) + "</w:rPr>";
}

} // namespace engine
