#include "fontresolver.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPainterPath>
#include <QRawFont>

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <memory>

namespace engine {
namespace {

const char *const wineFontFolder = "/usr/share/wine/fonts";
// Without Wine's Tahoma, fontconfig (and so LibreOffice) draws Tahoma with
// DejaVu Sans; choosing the same keeps our pages like theirs.
const char *const tahomaSubstitute = "DejaVu Sans";
const char *const defaultFamily = "Carlito";
// Bold that needs help is drawn this many times as heavy as regular, about
// what the heavy bold faces of these families show.
constexpr double drawnBoldStemRatio = 1.7;
// Outlines are measured at a size where rounding is negligible.
constexpr int measuringPixels = 1000;

double polygonArea(const QPolygonF &polygon)
{
    double twice = 0;
    for (int i = 0; i < polygon.size(); ++i) {
        const QPointF &a = polygon.at(i);
        const QPointF &b = polygon.at((i + 1) % polygon.size());
        twice += a.x() * b.y() - b.x() * a.y();
    }
    return twice / 2;
}

} // namespace

FontResolver &FontResolver::instance()
{
    static FontResolver resolver{QString::fromLatin1(wineFontFolder)};
    return resolver;
}

FontResolver::FontResolver(const QString &wineFontFolder)
{
    registerWineFonts(wineFontFolder);
}

QString FontResolver::registeredFamily(const QString &path)
{
    if (!QFile::exists(path))
        return QString();
    const int id = QFontDatabase::addApplicationFont(path);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    return families.isEmpty() ? QString() : families.first();
}

bool FontResolver::registerWineFonts(const QString &folder)
{
    const QDir dir(folder);
    const QString tahoma = registeredFamily(dir.filePath(QStringLiteral("tahoma.ttf")));
    registeredFamily(dir.filePath(QStringLiteral("tahomabd.ttf")));
    const QString wingdings = registeredFamily(dir.filePath(QStringLiteral("wingding.ttf")));
    if (!tahoma.isEmpty())
        m_tahoma = tahoma;
    if (!wingdings.isEmpty()) {
        const QRawFont raw = QRawFont::fromFont(QFont(wingdings));
        if (raw.supportsCharacter(QChar(0xF0A7)))
            m_wingdings = wingdings;
    }
    m_designMetrics.clear();
    m_boldStrokes.clear();
    m_families.clear();
    m_faces.clear();
    m_fallbacks.clear();
    return !tahoma.isEmpty() || !wingdings.isEmpty();
}

QString FontResolver::installed(const QString &family) const
{
    return QFontDatabase::hasFamily(family) ? family : QString();
}

QString FontResolver::familyFor(const QString &wordName) const
{
    auto found = m_families.constFind(wordName);
    if (found == m_families.constEnd())
        found = m_families.insert(wordName, chooseFamily(wordName));
    return *found;
}

QString FontResolver::chooseFamily(const QString &wordName) const
{
    QString family;
    if (wordName.compare(QLatin1String("Times New Roman"), Qt::CaseInsensitive) == 0)
        family = installed(QStringLiteral("Liberation Serif"));
    else if (wordName.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0)
        family = installed(QStringLiteral("Liberation Sans"));
    else if (wordName.compare(QLatin1String("Tahoma"), Qt::CaseInsensitive) == 0)
        family = m_tahoma.isEmpty() ? installed(QString::fromLatin1(tahomaSubstitute)) : m_tahoma;
    else if (wordName.compare(QLatin1String("Wingdings"), Qt::CaseInsensitive) == 0)
        family = m_wingdings;
    if (family.isEmpty())
        family = installed(QString::fromLatin1(defaultFamily));
    // The last resort is chosen, not left to the font matcher.
    return family.isEmpty() ? QFontDatabase::systemFont(QFontDatabase::GeneralFont).family() : family;
}

QFont FontResolver::layoutFont(const QString &wordName, int sizeHalfPoints, bool bold, bool kerned) const
{
    QFont font(familyFor(wordName));
    font.setPixelSize(std::max(1, sizeHalfPoints * 10));
    font.setBold(bold);
    // Qt kerns unless told otherwise, and hinting would bend advances to the
    // twip grid the layout uses as pixels.
    font.setKerning(kerned);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferOutline);
    return font;
}

QString FontResolver::fallbackFamily(const QString &wordName, bool bold, char32_t letter)
{
    // The pattern LibreOffice builds for letters its face lacks: the family
    // asked for, the weight and the letters, with no language, so that the
    // letters decide and not the language's usual face.
    const std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)> pattern(FcPatternCreate(), FcPatternDestroy);
    const std::unique_ptr<FcCharSet, decltype(&FcCharSetDestroy)> letters(FcCharSetCreate(), FcCharSetDestroy);
    FcCharSetAddChar(letters.get(), letter);
    const QByteArray family = wordName.toUtf8();
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8 *>(family.constData()));
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddCharSet(pattern.get(), FC_CHARSET, letters.get());
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    const std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)> match(FcFontMatch(nullptr, pattern.get(), &result),
                                                                        FcPatternDestroy);
    FcCharSet *held = nullptr;
    FcChar8 *matched = nullptr;
    if (!match || FcPatternGetCharSet(match.get(), FC_CHARSET, 0, &held) != FcResultMatch
        || !FcCharSetHasChar(held, letter) || FcPatternGetString(match.get(), FC_FAMILY, 0, &matched) != FcResultMatch)
        return QString();
    const QString answer = QString::fromUtf8(reinterpret_cast<const char *>(matched));
    return QFontDatabase::hasFamily(answer) ? answer : QString();
}

QFont FontResolver::layoutFont(const QString &wordName, int sizeHalfPoints, bool bold, bool kerned,
                               QStringView text) const
{
    QFont font = layoutFont(wordName, sizeHalfPoints, bold, kerned);
    const QString faceKey = bold ? wordName + QStringLiteral("|b") : wordName;
    auto face = m_faces.constFind(faceKey);
    QStringList families{font.family()};
    for (int i = 0; i < text.size(); ++i) {
        const char32_t letter = text.at(i).unicode();
        const QChar::Script script = QChar::script(letter);
        if (script != QChar::Script_Hebrew && script != QChar::Script_Arabic)
            continue;
        if (face == m_faces.constEnd())
            face = m_faces.insert(faceKey, QRawFont::fromFont(layoutFont(wordName, 24, bold)));
        if (face->supportsCharacter(letter))
            continue;
        // Qt would ask by the script's language and get, for Hebrew in a serif
        // face, Noto Sans Hebrew where LibreOffice draws DejaVu Sans.
        const QString key = faceKey + QLatin1Char('|') + QString::number(script);
        auto fallback = m_fallbacks.constFind(key);
        if (fallback == m_fallbacks.constEnd())
            fallback = m_fallbacks.insert(key, fallbackFamily(wordName, bold, letter));
        if (!fallback->isEmpty() && !families.contains(*fallback))
            families.append(*fallback);
    }
    if (families.size() > 1)
        font.setFamilies(families);
    return font;
}

VerticalMetrics FontResolver::verticalMetrics(const QString &wordName, int sizeHalfPoints, bool bold)
{
    const QString key = bold ? wordName + QStringLiteral("|b") : wordName;
    auto found = m_designMetrics.find(key);
    if (found == m_designMetrics.end())
        found = m_designMetrics.insert(key, DesignMetrics::of(QRawFont::fromFont(layoutFont(wordName, 24, bold))));
    return found->at(std::max(1, sizeHalfPoints * 10));
}

double FontResolver::stemEm(const QRawFont &face)
{
    QRawFont sized(face);
    sized.setPixelSize(measuringPixels);
    const QList<quint32> glyphs = sized.glyphIndexesForString(QStringLiteral("l"));
    if (glyphs.isEmpty() || glyphs.first() == 0)
        return 0;
    QPainterPath outline = sized.pathForGlyph(glyphs.first());
    outline.setFillRule(Qt::WindingFill);
    // The letter l is one upright stem: its area over its height is its width.
    double area = 0;
    for (const QPolygonF &polygon : outline.toFillPolygons())
        area += std::abs(polygonArea(polygon));
    const double height = outline.boundingRect().height();
    return height > 0 ? area / height / measuringPixels : 0;
}

double FontResolver::boldStrokeEm(const QRawFont &face)
{
    if (!face.isValid() || face.weight() < QFont::DemiBold)
        return 0;
    const QString key = face.familyName() + QLatin1Char('|') + face.styleName();
    auto found = m_boldStrokes.constFind(key);
    if (found != m_boldStrokes.constEnd())
        return *found;
    QFont regularFont(face.familyName());
    regularFont.setPixelSize(measuringPixels);
    regularFont.setStyleStrategy(QFont::PreferOutline);
    const QRawFont regular = QRawFont::fromFont(regularFont);
    const double regularStem = stemEm(regular);
    const double boldStem = stemEm(face);
    double stroke = 0;
    if (regularStem > 0 && boldStem > 0 && regular.weight() < QFont::DemiBold
        && boldStem < leastBoldStemRatio * regularStem)
        stroke = drawnBoldStemRatio * regularStem - boldStem;
    return *m_boldStrokes.insert(key, stroke);
}

} // namespace engine
