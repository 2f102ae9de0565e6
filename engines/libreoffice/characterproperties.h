#pragma once

#include "automation/word/font.h"

#include <com/sun/star/beans/PropertyValue.hpp>
#include <optional>
#include <vector>

namespace engines::libreoffice {

// Writer's character property for Word's font property `property` set to
// `value` (Word's numbers: -1 true, 0 false, points, colours); none when
// Writer has no such property.
std::optional<css::beans::PropertyValue> characterProperty(word::FontProperty property, double value);

// Word's value of `property` read from Writer's character properties, or none.
std::optional<double> wordFontValue(word::FontProperty property, const css::uno::Any &writerValue);

// `western` and the same setting for the East Asian and complex scripts where
// a Word document sets them together: one font, size and weight for every
// script, as the built-in engine's document has them; otherwise Chinese,
// Arabic or Hebrew text keeps Writer's default face and size.
std::vector<css::beans::PropertyValue> forEveryScript(const css::beans::PropertyValue &western);

// Writer's property name for `property`, or null.
const char *writerPropertyName(word::FontProperty property);

} // namespace engines::libreoffice
