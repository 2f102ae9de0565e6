#pragma once

#include <QCache>
#include <QHash>
#include <QImage>
#include <QPoint>
#include <QString>

class QGlyphRun;
class QPainter;
class QPointF;
class QRawFont;

namespace engine {

// Pictures of bold glyphs that are stroked as well as filled, each drawn once
// for its face, size and place within a pixel and then blended wherever a
// page shows it. Stroking a glyph's outline costs about as much as blending a
// whole page of pictures, and the same glyphs recur on every page and in
// every resume made.
class StrokedGlyphMasks {
public:
    // The masks of this process, kept across documents.
    static StrokedGlyphMasks &instance();

    // Draws `run` at `origin` (painter coordinates, twips) in black, each
    // glyph filled and stroked `strokeTwips` wide. Returns false, drawing
    // nothing, where pictures would not do: a painter on anything but an
    // image, turned or mirrored, without anti-aliasing or not in black.
    bool draw(QPainter &painter, const QPointF &origin, const QGlyphRun &run, double strokeTwips);

private:
    StrokedGlyphMasks();

    // A face at one size, stroke and scale, numbered on first use.
    struct Drawing {
        QString face;
        double sizeTwips;
        double strokeTwips;
        double xScale;
        double yScale;
        bool operator==(const Drawing &other) const;
    };
    struct Key {
        int drawing;
        quint32 glyph;
        int xPhase;
        int yPhase;
        bool operator==(const Key &other) const;
    };
    struct Mask {
        QImage alpha;
        // Where the picture's top left lies from the glyph's pixel.
        QPoint offsetPx;
    };
    friend size_t qHash(const Drawing &drawing, size_t seed);
    friend size_t qHash(const Key &key, size_t seed);

    int numberOf(const Drawing &drawing);
    Mask mask(const QRawFont &face, const Drawing &drawing, const Key &key);
    static Mask drawMask(const QRawFont &face, const Drawing &drawing, const Key &key);

    QHash<Drawing, int> m_drawings;
    QCache<Key, Mask> m_masks;
};

} // namespace engine
