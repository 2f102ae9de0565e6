#include "rtftext.h"

#include <QList>

namespace engine {
namespace {

void appendUnicodeUnit(QByteArray &out, char16_t unit)
{
    // RTF takes \u as a signed 16-bit number.
    out += "\\u";
    out += QByteArray::number(static_cast<int>(static_cast<qint16>(unit)));
    out += '?';
}

} // namespace

void appendRtfCharacter(QByteArray &out, char32_t character, bool protectSemicolon)
{
    if (character == U'\\' || character == U'{' || character == U'}') {
        out += '\\';
        out += static_cast<char>(character);
    } else if (character == U'\t') {
        out += "\\tab ";
    } else if (character == U';' && protectSemicolon) {
        appendUnicodeUnit(out, u';');
    } else if (character >= 0x20 && character < 0x7F) {
        out += static_cast<char>(character);
    } else if (character > 0xFFFF) {
        const char32_t offset = character - 0x10000;
        appendUnicodeUnit(out, static_cast<char16_t>(0xD800 + (offset >> 10)));
        appendUnicodeUnit(out, static_cast<char16_t>(0xDC00 + (offset & 0x3FF)));
    } else {
        appendUnicodeUnit(out, static_cast<char16_t>(character));
    }
}

void appendRtfText(QByteArray &out, const QString &text, bool protectSemicolon)
{
    for (const char32_t character : text.toUcs4())
        appendRtfCharacter(out, character, protectSemicolon);
}

} // namespace engine
