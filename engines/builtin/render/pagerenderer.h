#pragma once

#include "layout/documentlayout.h"

#include <QImage>
#include <QSize>

class QFont;
class QGlyphRun;
class QPainter;
class QPointF;

namespace engine {

class FontResolver;

// Draws the pages of a laid-out document: white paper, the text, list marks
// and rules where the layout puts them.
class PageRenderer {
public:
    // Draws `layout` with the faces `fonts` chooses.
    PageRenderer(const DocumentLayout &layout, FontResolver &fonts);

    // The picture of page `index` (from 0) at `pixelsPerInch`; a null image
    // when there is no such page or the resolution gives no pixels.
    QImage render(int index, double pixelsPerInch) const;
    // Draws page `index` (from 0) with `painter` in twips, the paper left as it is.
    void paint(QPainter &painter, int index) const;
    // The size in pixels of a page picture at `pixelsPerInch`.
    static QSize pictureSize(const PageGeometry &page, double pixelsPerInch);

private:
    // The canvas pages of `size` are drawn on, kept between pictures.
    static QImage &canvasOf(const QSize &size);
    void drawLine(QPainter &painter, int index) const;
    void drawGlyphs(QPainter &painter, const QPointF &origin, const QGlyphRun &run) const;
    void drawListMark(QPainter &painter, const ListMark &mark, double leftTwips, double baselineTwips) const;
    // The Wingdings square on a painter that keeps text, reading as "•".
    void drawReadableBullet(QPainter &painter, const QFont &wingdings, const QPointF &origin, int sizeHalfPoints) const;

    const DocumentLayout &m_layout;
    FontResolver &m_fonts;
};

} // namespace engine
