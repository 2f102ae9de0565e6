#include "pagerenderer.h"

#include "fonts/fontresolver.h"
#include "letterglyphs.h"
#include "strokedglyphmasks.h"

#include <QGlyphRun>
#include <QPainter>
#include <QPaintEngine>
#include <QPainterPath>

#include <cmath>

namespace engine {
namespace {

constexpr double twipsPerInch = 1440;
// A canvas larger than a page at the largest zoom on a high-density screen is
// given back once it has been drawn on.
constexpr qsizetype largestKeptCanvasBytes = 32 * 1024 * 1024;
// Wingdings' small square bullet; without the font a drawn square stands in.
constexpr char16_t squareBullet = 0xF0A7;
// What the square bullet says as text.
constexpr char16_t readableBullet = 0x2022;

// A PDF keeps glyph runs as text a reader can search and copy.
bool keepsText(QPainter &painter)
{
    return painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Pdf;
}

// The grey of every pixel of `canvas`. Qt's own conversion goes through
// colour spaces and costs more than drawing the page did.
QImage grey(const QImage &canvas)
{
    QImage picture(canvas.size(), QImage::Format_Grayscale8);
    if (picture.isNull())
        return picture;
    const int width = canvas.width();
    const int height = canvas.height();
    for (int y = 0; y < height; ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(canvas.constScanLine(y));
        uchar *out = picture.scanLine(y);
        for (int x = 0; x < width; ++x)
            out[x] = static_cast<uchar>(qGray(in[x]));
    }
    return picture;
}

} // namespace

PageRenderer::PageRenderer(const DocumentLayout &layout, FontResolver &fonts)
    : m_layout(layout)
    , m_fonts(fonts)
{
}

QSize PageRenderer::pictureSize(const PageGeometry &page, double pixelsPerInch)
{
    return QSize(static_cast<int>(std::lround(page.widthTwips * pixelsPerInch / twipsPerInch)),
                 static_cast<int>(std::lround(page.heightTwips * pixelsPerInch / twipsPerInch)));
}

QImage PageRenderer::render(int index, double pixelsPerInch) const
{
    const QSize size = pictureSize(m_layout.geometry(), pixelsPerInch);
    if (index < 0 || index >= m_layout.pageCount() || size.isEmpty() || !std::isfinite(pixelsPerInch))
        return QImage();
    QImage &canvas = canvasOf(size);
    if (canvas.isNull())
        return QImage();
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        painter.scale(pixelsPerInch / twipsPerInch, pixelsPerInch / twipsPerInch);
        paint(painter, index);
    }
    // The page is black, white and grey: one byte a pixel holds all of it, a
    // quarter of what colour would keep for every page of a long document.
    QImage picture = grey(canvas);
    if (canvas.sizeInBytes() > largestKeptCanvasBytes)
        canvas = QImage();
    return picture;
}

QImage &PageRenderer::canvasOf(const QSize &size)
{
    // Qt blends glyphs into 32-bit pixels many times faster than into grey
    // ones, so pages are drawn in colour and kept in grey. The one canvas is
    // drawn on again for the next page, sparing the fresh memory a picture of
    // a page would take from the system every time.
    static QImage canvas;
    if (canvas.size() != size)
        canvas = QImage(size, QImage::Format_RGB32);
    return canvas;
}

void PageRenderer::paint(QPainter &painter, int index) const
{
    if (index < 0 || index >= m_layout.pageCount())
        return;
    painter.save();
    painter.setPen(Qt::black);
    const PageContent &page = m_layout.page(index);
    for (const RuleLine &rule : page.rules)
        painter.fillRect(QRectF(rule.leftTwips, rule.topTwips, rule.widthTwips, rule.heightTwips), Qt::black);
    for (int line : page.lines)
        drawLine(painter, line);
    painter.restore();
}

void PageRenderer::drawLine(QPainter &painter, int index) const
{
    const VisualLine &line = m_layout.lines()[static_cast<size_t>(index)];
    const ParagraphBox &paragraph = m_layout.paragraphs()[static_cast<size_t>(line.paragraph)];
    const ParagraphLine &paragraphLine = m_layout.paragraphLine(line);
    const double baseline = line.topTwips + paragraphLine.baselineTwips;
    if (line.line == 0 && paragraph.listMark)
        drawListMark(painter, *paragraph.listMark, line.columnLeftTwips, baseline);
    const QTextLine textLine = paragraph.text->lineAt(paragraphLine.textLine);
    if (textLine.textLength() == 0)
        return;
    // Qt puts the baseline at the line's own ascent; ours comes from the layout.
    const QPointF origin(line.columnLeftTwips + paragraphLine.textLeftTwips - textLine.x(),
                         baseline - textLine.ascent() - textLine.y());
    const QList<QGlyphRun> runs =
        keepsText(painter) ? glyphRunsWithLettersApart(*paragraph.text, textLine) : textLine.glyphRuns();
    for (const QGlyphRun &run : runs)
        drawGlyphs(painter, origin, run);
}

void PageRenderer::drawGlyphs(QPainter &painter, const QPointF &origin, const QGlyphRun &run) const
{
    const QRawFont face = run.rawFont();
    const double strokeTwips = m_fonts.boldStrokeEm(face) * face.pixelSize();
    if (strokeTwips <= 0) {
        painter.drawGlyphRun(origin, run);
        return;
    }
    if (!keepsText(painter) && StrokedGlyphMasks::instance().draw(painter, origin, run, strokeTwips))
        return;
    // A bold face with nearly regular outlines: its outlines are stroked as
    // well as filled, which thickens every stem and leaves the advances, and
    // so the line breaks, as they are.
    QPainterPath outlines;
    outlines.setFillRule(Qt::WindingFill);
    const QList<quint32> glyphs = run.glyphIndexes();
    const QList<QPointF> positions = run.positions();
    for (qsizetype i = 0; i < glyphs.size() && i < positions.size(); ++i)
        outlines.addPath(face.pathForGlyph(glyphs.at(i)).translated(origin + positions.at(i)));
    painter.save();
    painter.setPen(QPen(painter.pen().color(), strokeTwips, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    // Where text stays text the run itself fills the letters and the outlines
    // only add the stroke.
    const bool text = keepsText(painter);
    if (text)
        painter.drawGlyphRun(origin, run);
    painter.setBrush(text ? QBrush(Qt::NoBrush) : QBrush(painter.pen().color()));
    painter.drawPath(outlines);
    painter.restore();
}

void PageRenderer::drawListMark(QPainter &painter, const ListMark &mark, double leftTwips, double baselineTwips) const
{
    const double x = leftTwips + mark.xTwips;
    const bool symbolBullet = mark.text == QString(QChar(squareBullet));
    if (symbolBullet && !m_fonts.hasWingdings()) {
        // A filled square about as big as Wingdings draws it, resting on the x-height's middle.
        const double side = mark.sizeHalfPoints * 10 * 0.32;
        const double middle = baselineTwips - mark.sizeHalfPoints * 10 * 0.33;
        painter.fillRect(QRectF(x, middle - side / 2, side, side), Qt::black);
        return;
    }
    const QFont font =
        m_fonts.layoutFont(symbolBullet ? QStringLiteral("Wingdings") : mark.fontName, mark.sizeHalfPoints, mark.bold);
    if (symbolBullet && keepsText(painter)) {
        drawReadableBullet(painter, font, QPointF(x, baselineTwips), mark.sizeHalfPoints);
        return;
    }
    painter.setFont(font);
    painter.drawText(QPointF(x, baselineTwips), mark.text);
}

void PageRenderer::drawReadableBullet(QPainter &painter, const QFont &wingdings, const QPointF &origin,
                                      int sizeHalfPoints) const
{
    // A reader of a PDF takes a glyph's text from its font, and the Wingdings
    // square maps back to "§" there (its code in the symbol font). So the
    // square is drawn as its own outline, which looks the same, and over it
    // goes a bullet "•" of a text face that is never seen, for readers and
    // applicant-tracking parsers to find.
    QPainterPath square;
    square.addText(origin, wingdings, QString(QChar(squareBullet)));
    painter.fillPath(square, painter.pen().color());
    painter.save();
    painter.setFont(m_fonts.layoutFont(QStringLiteral("Arial"), sizeHalfPoints, false));
    painter.setPen(QColor(0, 0, 0, 0));
    painter.drawText(origin, QString(QChar(readableBullet)));
    painter.restore();
}

} // namespace engine
