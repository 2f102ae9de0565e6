#pragma once

#include "designmetrics.h"
#include "verticalmetrics.h"

#include <QFont>
#include <QHash>
#include <QRawFont>
#include <QString>
#include <QStringView>

namespace engine {

// Chooses the installed face that draws each Word font, always the same one:
// Carlito for Calibri, Liberation Serif for Times New Roman, Liberation Sans for
// Arial, Wine's Tahoma and Wingdings when present. Fonts are made for layout in
// twips: their pixel size is their size in twips.
class FontResolver {
public:
    // Bold drawn at least this many times as heavy as the regular face.
    static constexpr double leastBoldStemRatio = 1.4;

    // The resolver of this process; the first call registers Wine's fonts.
    static FontResolver &instance();
    // A resolver that takes Tahoma and Wingdings from Wine's font folder `wineFontFolder`.
    explicit FontResolver(const QString &wineFontFolder);

    // The family that draws the Word font `wordName`.
    QString familyFor(const QString &wordName) const;
    // A font whose pixel size is `sizeHalfPoints` in twips (ten per half point),
    // kerning its pairs when `kerned`.
    QFont layoutFont(const QString &wordName, int sizeHalfPoints, bool bold, bool kerned = false) const;
    // A layout font for the run `text`: the Word font's, and for Hebrew or
    // Arabic letters its face lacks, the face fontconfig offers for them.
    QFont layoutFont(const QString &wordName, int sizeHalfPoints, bool bold, bool kerned, QStringView text) const;
    // The family fontconfig offers for `letter` in the Word font `wordName`, empty when it offers none installed.
    static QString fallbackFamily(const QString &wordName, bool bold, char32_t letter);
    // The face's vertical metrics at `sizeHalfPoints`, in twips.
    VerticalMetrics verticalMetrics(const QString &wordName, int sizeHalfPoints, bool bold);
    // How much wider than its outlines the bold face `face` must be stroked to
    // look bold, as a fraction of the em: 0 unless it is a bold face whose
    // stems measure less than leastBoldStemRatio times its regular sibling's.
    double boldStrokeEm(const QRawFont &face);
    // The width of the stem of `face`'s letter l, as a fraction of the em.
    static double stemEm(const QRawFont &face);
    // Whether a Wingdings face with the bullet U+F0A7 is available.
    bool hasWingdings() const { return !m_wingdings.isEmpty(); }
    // The Wingdings family, empty when none is available.
    const QString &wingdingsFamily() const { return m_wingdings; }

    // Registers the faces of Wine's font folder at `folder`; returns false when none loaded.
    bool registerWineFonts(const QString &folder);

private:
    QString installed(const QString &family) const;
    QString registeredFamily(const QString &path);
    QString chooseFamily(const QString &wordName) const;

    QString m_tahoma;
    QString m_wingdings;
    QHash<QString, DesignMetrics> m_designMetrics;
    QHash<QString, double> m_boldStrokes;
    // Asking the font database is slow; each name is resolved once.
    mutable QHash<QString, QString> m_families;
    // The faces of Word fonts, regular and bold, to ask which letters they hold.
    mutable QHash<QString, QRawFont> m_faces;
    // Fontconfig's answers, by Word font, weight and script.
    mutable QHash<QString, QString> m_fallbacks;
};

} // namespace engine
