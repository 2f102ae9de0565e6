#pragma once

#include "model/characterformat.h"
#include "model/listlevelformat.h"

#include <QByteArray>

namespace engine {

// The <w:rPr> of a run, a paragraph mark or a list level's number, with
// every property the engine keeps said explicitly.
class DocxRunProperties {
public:
    // The properties of text in `format`.
    static QByteArray forText(const CharacterFormat &format);
    // The properties of a list level's number: its own font and those of its
    // font properties somebody set.
    static QByteArray forListLevel(const ListLevelFormat &level);
    // A colour in Word's terms (0xBBGGRR, or automatic) as an XML colour value.
    static QByteArray colorValue(long color);
    // <w:rFonts> naming `name` for every script.
    static QByteArray fonts(const QString &name);
};

} // namespace engine
