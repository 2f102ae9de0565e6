#include "designmetrics.h"

#include <QByteArray>
#include <QRawFont>
#include <QtEndian>

#include <cmath>
#include <cstdlib>

namespace engine {
namespace {

int signedWord(const QByteArray &table, int offset)
{
    if (table.size() < offset + 2)
        return 0;
    return qFromBigEndian<qint16>(table.constData() + offset);
}

int unsignedWord(const QByteArray &table, int offset)
{
    if (table.size() < offset + 2)
        return 0;
    return qFromBigEndian<quint16>(table.constData() + offset);
}

int scaled(int units, int sizeTwips, int unitsPerEm)
{
    return static_cast<int>(std::lround(static_cast<double>(units) * sizeTwips / unitsPerEm));
}

} // namespace

DesignMetrics DesignMetrics::of(const QRawFont &font)
{
    DesignMetrics metrics;
    metrics.unitsPerEm = font.unitsPerEm() > 0 ? static_cast<int>(font.unitsPerEm()) : 2048;
    const QByteArray hhea = font.fontTable("hhea");
    metrics.ascender = signedWord(hhea, 4);
    metrics.descender = std::abs(signedWord(hhea, 6));
    metrics.lineGap = signedWord(hhea, 8);
    const QByteArray os2 = font.fontTable("OS/2");
    // Bit 7 of fsSelection (USE_TYPO_METRICS) tells readers to prefer the
    // typographic values; LibreOffice honours it, and so do we.
    const bool useTypographic = (unsignedWord(os2, 62) & 0x80) != 0;
    if (useTypographic && os2.size() >= 74) {
        metrics.ascender = signedWord(os2, 68);
        metrics.descender = std::abs(signedWord(os2, 70));
        metrics.lineGap = signedWord(os2, 72);
    }
    if (metrics.ascender == 0 && metrics.descender == 0) {
        metrics.ascender = static_cast<int>(std::lround(font.ascent() * metrics.unitsPerEm / font.pixelSize()));
        metrics.descender = static_cast<int>(std::lround(font.descent() * metrics.unitsPerEm / font.pixelSize()));
    }
    metrics.lineGap = std::max(metrics.lineGap, 0);
    return metrics;
}

VerticalMetrics DesignMetrics::at(int sizeTwips) const
{
    // The whole height is rounded once, not part by part, as LibreOffice does.
    const int height = scaled(ascender + descender + lineGap, sizeTwips, unitsPerEm);
    VerticalMetrics metrics;
    metrics.aboveBaselineTwips = scaled(ascender + lineGap, sizeTwips, unitsPerEm);
    metrics.belowBaselineTwips = height - metrics.aboveBaselineTwips;
    metrics.exactHeightTwips = static_cast<double>(ascender + descender + lineGap) * sizeTwips / unitsPerEm;
    return metrics;
}

} // namespace engine
