#pragma once

#include <QByteArray>
#include <QString>

namespace engine {

// Appends one character as RTF text that no reader can take for markup:
// backslash and braces escaped, a tab as \tab, everything outside printable
// ASCII (control characters included) as \uN with a "?" fallback. With
// `protectSemicolon` a semicolon is written as \u59? too, for names that a
// semicolon ends.
void appendRtfCharacter(QByteArray &out, char32_t character, bool protectSemicolon = false);
// Appends all of `text` as appendRtfCharacter does.
void appendRtfText(QByteArray &out, const QString &text, bool protectSemicolon = false);

} // namespace engine
