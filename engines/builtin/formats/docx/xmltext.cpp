#include "xmltext.h"

#include <QList>

namespace engine {
namespace {

// Called once per character of the story, so it encodes directly rather than
// through a QString.
void appendUtf8(QByteArray &out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace

bool XmlText::allowed(char32_t character)
{
    if (character < 0x20)
        return character == U'\t' || character == U'\n' || character == U'\r';
    if (character < 0xD800)
        return true;
    if (character < 0xE000)
        return false;
    if (character < 0x10000)
        return character != 0xFFFE && character != 0xFFFF;
    return character <= 0x10FFFF;
}

void XmlText::append(QByteArray &out, char32_t character)
{
    switch (character) {
    case U'&': out += "&amp;"; return;
    case U'<': out += "&lt;"; return;
    // ">" only matters after "]]", but escaping it always is simplest.
    case U'>': out += "&gt;"; return;
    case U'"': out += "&quot;"; return;
    case U'\'': out += "&apos;"; return;
    default: break;
    }
    if (!allowed(character))
        return;
    // A tab, line feed or carriage return in an attribute value would be read
    // back as a space; written as references they survive.
    if (character < 0x20) {
        out += "&#" + QByteArray::number(static_cast<int>(character)) + ';';
        return;
    }
    appendUtf8(out, character);
}

QByteArray XmlText::escaped(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (const char32_t character : text.toUcs4())
        append(out, character);
    return out;
}

} // namespace engine
