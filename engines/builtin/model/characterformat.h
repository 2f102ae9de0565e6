#pragma once

#include <QString>
#include <tuple>

namespace engine {

// The format of one character or mark: what Word's Font object sets here.
struct CharacterFormat {
    QString fontName = QStringLiteral("Calibri");
    // Kept in half points, as Word rounds sizes to them.
    int sizeHalfPoints = 22;
    bool bold = false;
    // Pairs are kerned at this size and above; 0 kerns none, as a new Word
    // document does.
    int kerningHalfPoints = 0;

    // Whether the pairs of this format's text are kerned.
    bool kerned() const { return kerningHalfPoints > 0 && sizeHalfPoints >= kerningHalfPoints; }

    bool operator==(const CharacterFormat &other) const { return key() == other.key(); }
    bool operator!=(const CharacterFormat &other) const { return !(*this == other); }
    bool operator<(const CharacterFormat &other) const { return key() < other.key(); }

private:
    std::tuple<const QString &, int, bool, int> key() const
    {
        return {fontName, sizeHalfPoints, bold, kerningHalfPoints};
    }
};

} // namespace engine
