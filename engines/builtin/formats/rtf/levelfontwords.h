#pragma once

#include "automation/word/font.h"

#include <QByteArray>
#include <map>

namespace engine {

// The RTF control words for the font of a list level's number, both ways.
class LevelFontWords {
public:
    using Properties = std::map<word::FontProperty, double>;

    // The words for one property; Subscript and Superscript are left to writeSubSuper.
    static QByteArray write(word::FontProperty property, double value, int colorIndex);
    // \sub or \super for those set true, else \nosupersub when either is set false.
    static QByteArray writeSubSuper(const Properties &properties);
    // Records what control word `name` says in `properties`; false when it is no
    // font word. `color` is the colour a \cf parameter names.
    static bool read(const QByteArray &name, bool hasParameter, long parameter, long color,
                     Properties &properties);
};

} // namespace engine
