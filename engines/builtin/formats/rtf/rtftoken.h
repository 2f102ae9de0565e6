#pragma once

#include <QByteArray>

namespace engine {

// One piece of an RTF file.
struct RtfToken {
    enum Type {
        GroupStart,
        GroupEnd,
        // \name with an optional number.
        ControlWord,
        // \ followed by one non-letter: \\ \{ \} \* ...
        ControlSymbol,
        // \'hh: one byte given in hexadecimal.
        HexByte,
        // One printable ASCII character.
        Text,
        End,
    };

    Type type = End;
    QByteArray name;
    bool hasParameter = false;
    long parameter = 0;
    // The character of Text and ControlSymbol, the byte of HexByte.
    char16_t character = 0;
    // Where the token starts in the file, for error messages.
    int offset = 0;
};

} // namespace engine
