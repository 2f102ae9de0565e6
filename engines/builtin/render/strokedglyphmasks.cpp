#include "strokedglyphmasks.h"

#include <QGlyphRun>
#include <QHashFunctions>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>

#include <cmath>

namespace engine {
namespace {

// Glyphs are placed to a quarter of a pixel each way, closer than an eye
// tells apart at any size the preview shows.
constexpr int phasesPerPixel = 4;
// Enough for every glyph of several long documents at the largest zoom.
constexpr qsizetype cacheBytes = 16 * 1024 * 1024;

// The whole pixel at or left of `px` and the quarter within it.
std::pair<int, int> pixelAndPhase(double px)
{
    const double floor = std::floor(px);
    const int phase = static_cast<int>(std::lround((px - floor) * phasesPerPixel));
    const int pixel = static_cast<int>(floor);
    return phase == phasesPerPixel ? std::make_pair(pixel + 1, 0) : std::make_pair(pixel, phase);
}

// Pictures made in device pixels and blended in black match the outlines only
// on an upright, anti-aliased image drawn in black over what is there.
bool drawsAsPictures(QPainter &painter)
{
    const QPaintDevice *device = painter.device();
    const QTransform transform = painter.deviceTransform();
    return device && device->devType() == QInternal::Image && transform.type() <= QTransform::TxScale
           && transform.m11() > 0 && transform.m22() > 0 && painter.testRenderHint(QPainter::Antialiasing)
           && painter.pen().color() == QColor(Qt::black) && painter.compositionMode() == QPainter::CompositionMode_SourceOver;
}

} // namespace

bool StrokedGlyphMasks::Drawing::operator==(const Drawing &other) const
{
    return sizeTwips == other.sizeTwips && strokeTwips == other.strokeTwips && xScale == other.xScale
           && yScale == other.yScale && face == other.face;
}

bool StrokedGlyphMasks::Key::operator==(const Key &other) const
{
    return drawing == other.drawing && glyph == other.glyph && xPhase == other.xPhase && yPhase == other.yPhase;
}

size_t qHash(const StrokedGlyphMasks::Drawing &drawing, size_t seed)
{
    return qHashMulti(seed, drawing.face, drawing.sizeTwips, drawing.strokeTwips, drawing.xScale, drawing.yScale);
}

size_t qHash(const StrokedGlyphMasks::Key &key, size_t seed)
{
    return qHashMulti(seed, key.drawing, key.glyph, key.xPhase, key.yPhase);
}

StrokedGlyphMasks &StrokedGlyphMasks::instance()
{
    static StrokedGlyphMasks masks;
    return masks;
}

StrokedGlyphMasks::StrokedGlyphMasks()
    : m_masks(cacheBytes)
{
}

bool StrokedGlyphMasks::draw(QPainter &painter, const QPointF &origin, const QGlyphRun &run, double strokeTwips)
{
    if (!drawsAsPictures(painter))
        return false;
    const QRawFont face = run.rawFont();
    const QTransform toDevice = painter.deviceTransform();
    const Drawing drawing{face.familyName() + QLatin1Char('|') + face.styleName(), face.pixelSize(), strokeTwips,
                          toDevice.m11(), toDevice.m22()};
    Key key{numberOf(drawing), 0, 0, 0};
    const QList<quint32> glyphs = run.glyphIndexes();
    const QList<QPointF> positions = run.positions();
    painter.save();
    // The pictures are made in device pixels and put down pixel for pixel.
    painter.resetTransform();
    const bool unscaled = painter.deviceTransform().isIdentity();
    for (qsizetype i = 0; unscaled && i < glyphs.size() && i < positions.size(); ++i) {
        const QPointF at = toDevice.map(origin + positions.at(i));
        const auto [x, xPhase] = pixelAndPhase(at.x());
        const auto [y, yPhase] = pixelAndPhase(at.y());
        key.glyph = glyphs.at(i);
        key.xPhase = xPhase;
        key.yPhase = yPhase;
        const Mask found = mask(face, drawing, key);
        if (!found.alpha.isNull())
            painter.drawImage(QPoint(x, y) + found.offsetPx, found.alpha);
    }
    painter.restore();
    return unscaled;
}

int StrokedGlyphMasks::numberOf(const Drawing &drawing)
{
    const auto found = m_drawings.constFind(drawing);
    if (found != m_drawings.constEnd())
        return *found;
    const int number = static_cast<int>(m_drawings.size());
    m_drawings.insert(drawing, number);
    return number;
}

StrokedGlyphMasks::Mask StrokedGlyphMasks::mask(const QRawFont &face, const Drawing &drawing, const Key &key)
{
    if (const Mask *kept = m_masks.object(key))
        return *kept;
    Mask made = drawMask(face, drawing, key);
    const qsizetype bytes = std::max<qsizetype>(1, made.alpha.sizeInBytes());
    if (bytes <= cacheBytes / 4)
        m_masks.insert(key, new Mask(made), bytes);
    return made;
}

StrokedGlyphMasks::Mask StrokedGlyphMasks::drawMask(const QRawFont &face, const Drawing &drawing, const Key &key)
{
    QPainterPath outline = face.pathForGlyph(key.glyph);
    if (outline.isEmpty())
        return {};
    outline.setFillRule(Qt::WindingFill);
    const QPointF phase(static_cast<double>(key.xPhase) / phasesPerPixel,
                        static_cast<double>(key.yPhase) / phasesPerPixel);
    const QTransform toMask = QTransform::fromScale(drawing.xScale, drawing.yScale) * QTransform::fromTranslate(phase.x(), phase.y());
    // Half the stroke lies outside the outline; a pixel more each way holds
    // the anti-aliased edge.
    const double reach = drawing.strokeTwips / 2;
    const QRectF bounds = toMask.mapRect(outline.boundingRect().adjusted(-reach, -reach, reach, reach));
    const QPoint topLeft(static_cast<int>(std::floor(bounds.left())) - 1, static_cast<int>(std::floor(bounds.top())) - 1);
    const QPoint bottomRight(static_cast<int>(std::ceil(bounds.right())) + 1,
                             static_cast<int>(std::ceil(bounds.bottom())) + 1);
    QImage alpha(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y(), QImage::Format_Alpha8);
    if (alpha.isNull())
        return {};
    alpha.fill(0);
    QPainter painter(&alpha);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setTransform(toMask * QTransform::fromTranslate(-topLeft.x(), -topLeft.y()));
    painter.setPen(QPen(Qt::black, drawing.strokeTwips, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::black);
    painter.drawPath(outline);
    return {alpha, topLeft};
}

} // namespace engine
