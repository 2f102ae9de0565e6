#pragma once

#include <QImage>
#include <QWidget>

namespace preview {

// A picture box laid out in twips: it may hold a picture (shown at its
// natural size, which its device pixel ratio gives) and a persistent drawing
// that survives repaints. Mouse positions are reported in twips on the box.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

    // Geometry in twips, relative to the parent's interior.
    void setLeftTwips(qint32 left);
    void setTopTwips(qint32 top);
    void moveTwips(qint32 left, qint32 top);
    void setWidthTwips(qint32 width);
    void setHeightTwips(qint32 height);
    qint32 leftTwips() const { return m_left; }
    qint32 topTwips() const { return m_top; }
    qint32 widthTwips() const { return m_width; }
    qint32 heightTwips() const { return m_height; }

    // The border drawn inside the box, in twips on each side.
    void setBorderTwips(qint32 border);
    qint32 interiorWidthTwips() const { return m_width - 2 * m_border; }
    qint32 interiorHeightTwips() const { return m_height - 2 * m_border; }

    // The area inside the border, where child boxes live and are clipped.
    QWidget *interior();

    // When on, the box takes its picture's size, now and whenever the picture changes.
    void setAutoSize(bool autoSize);
    void setPicture(const QImage &picture);
    // Removes the picture and everything drawn.
    void clearPicture();
    QImage picture() const { return m_picture; }
    QImage drawing() const { return m_drawing; }

    // Draws `source`'s rectangle `sourceTwips` stretched into `targetTwips` of
    // this box's drawing, with smooth scaling; the drawing stays until cleared.
    void drawStretched(const QImage &source, const QRect &sourceTwips, const QRect &targetTwips);

    // Puts `picture` pixel for pixel into a white drawing of `targetTwips`:
    // a picture made for the size shown needs no scaling, and a pixel more
    // or less from rounding is paper margin.
    void drawUnscaled(const QImage &picture, const QRect &targetTwips);

    // A thin line of `colour` drawn over the box's outermost pixels, on top of
    // its picture: it marks a page's edge without moving or resizing anything.
    void setEdgeColour(const QColor &colour);

    // A picture's natural size in twips.
    static QSize naturalSizeTwips(const QImage &picture);

signals:
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers shift, float xTwips, float yTwips);
    void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, float xTwips, float yTwips);
    void mouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers shift, float xTwips, float yTwips);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

    void resizeEvent(QResizeEvent *event) override;

private:
    void applyGeometry();
    void placeInterior();
    void fitToPicture();

    qint32 m_left = 0;
    qint32 m_top = 0;
    qint32 m_width = 0;
    qint32 m_height = 0;
    qint32 m_border = 0;
    bool m_autoSize = false;
    QImage m_picture;
    QImage m_drawing;
    QPoint m_drawingOffsetTwips;
    QWidget *m_interior = nullptr;
    QColor m_edgeColour;
};

} // namespace preview
