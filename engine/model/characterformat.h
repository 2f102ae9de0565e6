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

    bool operator==(const CharacterFormat &other) const { return key() == other.key(); }
    bool operator!=(const CharacterFormat &other) const { return !(*this == other); }
    bool operator<(const CharacterFormat &other) const { return key() < other.key(); }

private:
    std::tuple<const QString &, int, bool> key() const { return {fontName, sizeHalfPoints, bold}; }
};

} // namespace engine
