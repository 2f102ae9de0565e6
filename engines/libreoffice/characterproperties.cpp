#include "characterproperties.h"

#include "automation/word/constants.h"

#include <com/sun/star/awt/FontSlant.hpp>
#include <com/sun/star/awt/FontStrikeout.hpp>
#include <com/sun/star/awt/FontUnderline.hpp>
#include <com/sun/star/awt/FontWeight.hpp>

using namespace css;
using word::FontProperty;

namespace engines::libreoffice {
namespace {

// Word's colour numbers are 0x00BBGGRR; Writer's are 0x00RRGGBB, -1 for automatic.
sal_Int32 writerColour(double wordColour)
{
    const auto colour = static_cast<long>(wordColour);
    if (colour == word::wdColorAutomatic)
        return -1;
    return static_cast<sal_Int32>(((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF));
}

} // namespace

const char *writerPropertyName(FontProperty property)
{
    switch (property) {
    case FontProperty::Bold: return "CharWeight";
    case FontProperty::Italic: return "CharPosture";
    case FontProperty::Underline: return "CharUnderline";
    case FontProperty::StrikeThrough: return "CharStrikeout";
    case FontProperty::Size: return "CharHeight";
    case FontProperty::Color: return "CharColor";
    case FontProperty::Hidden: return "CharHidden";
    case FontProperty::Shadow: return "CharShadowed";
    case FontProperty::Outline: return "CharContoured";
    default: return nullptr;
    }
}

std::optional<beans::PropertyValue> characterProperty(FontProperty property, double value)
{
    const char *name = writerPropertyName(property);
    if (!name)
        return std::nullopt;
    const bool on = value != 0;
    uno::Any writerValue;
    switch (property) {
    case FontProperty::Bold: writerValue <<= on ? awt::FontWeight::BOLD : awt::FontWeight::NORMAL; break;
    case FontProperty::Italic: writerValue <<= on ? awt::FontSlant_ITALIC : awt::FontSlant_NONE; break;
    case FontProperty::Underline: writerValue <<= on ? awt::FontUnderline::SINGLE : awt::FontUnderline::NONE; break;
    case FontProperty::StrikeThrough: writerValue <<= on ? awt::FontStrikeout::SINGLE : awt::FontStrikeout::NONE; break;
    case FontProperty::Size: writerValue <<= static_cast<float>(value); break;
    case FontProperty::Color: writerValue <<= writerColour(value); break;
    default: writerValue <<= on; break;
    }
    beans::PropertyValue result;
    result.Name = rtl::OUString::createFromAscii(name);
    result.Value = writerValue;
    return result;
}

std::vector<beans::PropertyValue> forEveryScript(const beans::PropertyValue &western)
{
    // Word's italic covers East Asian text but not complex scripts.
    const bool sharedByAll = western.Name == "CharFontName" || western.Name == "CharHeight" || western.Name == "CharWeight";
    const bool sharedByAsian = sharedByAll || western.Name == "CharPosture";
    std::vector<beans::PropertyValue> values = {western};
    if (sharedByAsian)
        values.push_back({western.Name + "Asian", western.Handle, western.Value, western.State});
    if (sharedByAll)
        values.push_back({western.Name + "Complex", western.Handle, western.Value, western.State});
    return values;
}

std::optional<double> wordFontValue(FontProperty property, const uno::Any &writerValue)
{
    switch (property) {
    case FontProperty::Bold: {
        float weight = awt::FontWeight::NORMAL;
        writerValue >>= weight;
        return weight > awt::FontWeight::NORMAL ? word::True : word::False;
    }
    case FontProperty::Size: {
        float points = 0;
        writerValue >>= points;
        return points;
    }
    case FontProperty::Italic: {
        awt::FontSlant slant = awt::FontSlant_NONE;
        writerValue >>= slant;
        return slant == awt::FontSlant_NONE ? word::False : word::True;
    }
    default: {
        bool on = false;
        if (writerValue >>= on)
            return on ? word::True : word::False;
        return std::nullopt;
    }
    }
}

} // namespace engines::libreoffice
