#include "levelfontwords.h"

#include "automation/word/constants.h"

#include <array>
#include <cmath>

namespace engine {
namespace {

using word::FontProperty;

struct Toggle {
    FontProperty property;
    const char *on;
    const char *off;
};

// On/off properties and the words that turn them on and off.
const std::array<Toggle, 11> toggles = {{
    {FontProperty::Bold, "b", "b0"},
    {FontProperty::Italic, "i", "i0"},
    {FontProperty::StrikeThrough, "strike", "strike0"},
    {FontProperty::Shadow, "shad", "shad0"},
    {FontProperty::Outline, "outl", "outl0"},
    {FontProperty::Emboss, "embo", "embo0"},
    {FontProperty::Engrave, "impr", "impr0"},
    {FontProperty::AllCaps, "caps", "caps0"},
    {FontProperty::Hidden, "v", "v0"},
    {FontProperty::DoubleStrikeThrough, "striked1", "striked0"},
    {FontProperty::Underline, "ul", "ulnone"},
}};

QByteArray controlWord(const char *name)
{
    return QByteArray("\\") + name;
}

} // namespace

QByteArray LevelFontWords::write(FontProperty property, double value, int colorIndex)
{
    for (const Toggle &toggle : toggles) {
        if (toggle.property == property)
            return controlWord(value != 0 ? toggle.on : toggle.off);
    }
    switch (property) {
    case FontProperty::Size: return controlWord("fs") + QByteArray::number(std::lround(value * 2));
    case FontProperty::Color: return controlWord("cf") + QByteArray::number(colorIndex);
    case FontProperty::Animation: return controlWord("animtext") + QByteArray::number(std::lround(value));
    default: return QByteArray();
    }
}

QByteArray LevelFontWords::writeSubSuper(const Properties &properties)
{
    QByteArray words;
    bool anyFalse = false;
    for (const auto &[property, word] : {std::pair{FontProperty::Subscript, "sub"}, std::pair{FontProperty::Superscript, "super"}}) {
        const auto found = properties.find(property);
        if (found == properties.end())
            continue;
        if (found->second != 0)
            words += controlWord(word);
        else
            anyFalse = true;
    }
    return words.isEmpty() && anyFalse ? controlWord("nosupersub") : words;
}

bool LevelFontWords::read(const QByteArray &name, bool hasParameter, long parameter, long color,
                          Properties &properties)
{
    const QByteArray full = hasParameter ? name + QByteArray::number(static_cast<qlonglong>(parameter)) : name;
    for (const Toggle &toggle : toggles) {
        if (full == toggle.on) {
            properties[toggle.property] = toggle.property == FontProperty::Underline ? 1 : word::True;
            return true;
        }
        if (full == toggle.off) {
            properties[toggle.property] = word::False;
            return true;
        }
    }
    if (name == "fs" && hasParameter) {
        properties[FontProperty::Size] = parameter / 2.0;
    } else if (name == "cf" && hasParameter) {
        properties[FontProperty::Color] = color;
    } else if (name == "animtext" && hasParameter) {
        properties[FontProperty::Animation] = parameter;
    } else if (name == "sub" || name == "super") {
        properties[name == "sub" ? FontProperty::Subscript : FontProperty::Superscript] = word::True;
    } else if (name == "nosupersub") {
        properties[FontProperty::Subscript] = word::False;
        properties[FontProperty::Superscript] = word::False;
    } else {
        return false;
    }
    return true;
}

} // namespace engine
