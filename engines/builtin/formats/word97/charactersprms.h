#pragma once

#include "model/characterformat.h"
#include "model/listlevelformat.h"

#include <QByteArray>
#include <QStringList>

namespace engine {

// Character properties as sprms, both ways: a run's format (font, size, bold,
// kerning) and a list level's own font.
class CharacterSprms {
public:
    // The sprms of a run of `format`; `escaped` marks characters written as
    // control pictures in place of control characters.
    static QByteArray run(const CharacterFormat &format, int fontIndex, bool escaped);
    // Reads a run's sprms into `format` and `escaped`; `fonts` resolve font numbers.
    static void readRun(const QByteArray &grpprl, const QStringList &fonts, CharacterFormat &format, bool &escaped);

    // The sprms of a list level's font; `fontIndex` is -1 to keep the paragraph's.
    static QByteArray level(const ListLevelFormat &level, int fontIndex);
    // Reads a list level's font sprms into `level`.
    static void readLevel(const QByteArray &grpprl, const QStringList &fonts, ListLevelFormat &level);
};

} // namespace engine
