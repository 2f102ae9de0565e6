#pragma once

#include <QByteArray>
#include <QString>

namespace engine {

// Text as XML 1.0 character data or attribute values, in UTF-8. Characters
// that XML cannot hold at all (most control characters, lone surrogates,
// U+FFFE and U+FFFF) are dropped, so that whatever was typed the file stays
// well-formed.
class XmlText {
public:
    // Whether XML 1.0 allows `character` in a document.
    static bool allowed(char32_t character);
    // Appends `character` escaped; drops it when XML cannot hold it.
    static void append(QByteArray &out, char32_t character);
    // `text` escaped for character data and for attribute values in double or single quotes.
    static QByteArray escaped(const QString &text);
};

} // namespace engine
