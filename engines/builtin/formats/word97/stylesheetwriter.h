#pragma once

#include <QByteArray>

namespace engine {

// The style sheet (STSH) of every saved document: Normal as a new Word
// document has it (Calibri 11 pt, 8 pt after, 1.08 lines, kerning off), the
// default paragraph font, and the two table styles the engine offers.
class StyleSheetWriter {
public:
    // Table styles by their index in the style sheet.
    static constexpr int tableNormal = 11;
    static constexpr int tableGrid = 15;

    static QByteArray write();
};

} // namespace engine
