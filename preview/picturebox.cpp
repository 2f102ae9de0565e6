#include "picturebox.h"

#include "shell/twips.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace preview {
namespace {

int toPixels(qint32 twips)
{
    return static_cast<int>(std::lround(twips / static_cast<double>(shell::twipsPerPixel)));
}

// A rectangle in twips as a rectangle in the pixels of an image whose device
// pixel ratio is `ratio`.
QRect twipsToImagePixels(const QRect &twips, qreal ratio)
{
    const double scale = ratio / shell::twipsPerPixel;
    return QRect(static_cast<int>(std::lround(twips.x() * scale)), static_cast<int>(std::lround(twips.y() * scale)),
                 static_cast<int>(std::lround(twips.width() * scale)),
                 static_cast<int>(std::lround(twips.height() * scale)));
}

} // namespace

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void PictureBox::setLeftTwips(qint32 left)
{
    moveTwips(left, m_top);
}

void PictureBox::setTopTwips(qint32 top)
{
    moveTwips(m_left, top);
}

void PictureBox::moveTwips(qint32 left, qint32 top)
{
    m_left = left;
    m_top = top;
    applyGeometry();
}

void PictureBox::setWidthTwips(qint32 width)
{
    m_width = width;
    applyGeometry();
}

void PictureBox::setHeightTwips(qint32 height)
{
    m_height = height;
    applyGeometry();
}

void PictureBox::setBorderTwips(qint32 border)
{
    m_border = border;
    placeInterior();
    update();
}

QWidget *PictureBox::interior()
{
    if (!m_interior) {
        m_interior = new QWidget(this);
        placeInterior();
        m_interior->show();
    }
    return m_interior;
}

void PictureBox::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeInterior();
}

void PictureBox::placeInterior()
{
    if (!m_interior)
        return;
    const int border = toPixels(m_border);
    m_interior->setGeometry(rect().adjusted(border, border, -border, -border));
}

void PictureBox::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    fitToPicture();
}

void PictureBox::setPicture(const QImage &picture)
{
    m_picture = picture;
    fitToPicture();
    update();
}

void PictureBox::fitToPicture()
{
    if (!m_autoSize || m_picture.isNull())
        return;
    const QSize natural = naturalSizeTwips(m_picture);
    m_width = natural.width() + 2 * m_border;
    m_height = natural.height() + 2 * m_border;
    applyGeometry();
}

void PictureBox::clearPicture()
{
    m_picture = QImage();
    m_drawing = QImage();
    update();
}

void PictureBox::drawStretched(const QImage &source, const QRect &sourceTwips, const QRect &targetTwips)
{
    if (source.isNull() || targetTwips.isEmpty())
        return;
    const qreal ratio = devicePixelRatioF();
    const QRect sourcePixels = twipsToImagePixels(sourceTwips, source.devicePixelRatio()) & source.rect();
    const QSize targetPixels = twipsToImagePixels(QRect(QPoint(), targetTwips.size()), ratio).size();
    if (sourcePixels.isEmpty() || targetPixels.isEmpty())
        return;
    // Scaling the cut-out with area averaging keeps small zooms legible, which
    // a bilinear stretch of the whole page would not.
    m_drawing = source.copy(sourcePixels).scaled(targetPixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    m_drawing.setDevicePixelRatio(ratio);
    m_drawingOffsetTwips = targetTwips.topLeft();
    update();
}

void PictureBox::setEdgeColour(const QColor &colour)
{
    m_edgeColour = colour;
    update();
}

void PictureBox::drawUnscaled(const QImage &picture, const QRect &targetTwips)
{
    const qreal ratio = devicePixelRatioF();
    const QSize targetPixels = twipsToImagePixels(QRect(QPoint(), targetTwips.size()), ratio).size();
    if (picture.isNull() || targetPixels.isEmpty())
        return;
    m_drawing = QImage(targetPixels, QImage::Format_RGB32);
    m_drawing.fill(Qt::white);
    QPainter painter(&m_drawing);
    QImage samePixels = picture;
    samePixels.setDevicePixelRatio(1.0);
    painter.drawImage(QPoint(0, 0), samePixels);
    painter.end();
    m_drawing.setDevicePixelRatio(ratio);
    m_drawingOffsetTwips = targetTwips.topLeft();
    update();
}

QSize PictureBox::naturalSizeTwips(const QImage &picture)
{
    const QSizeF logical = picture.deviceIndependentSize();
    return QSize(static_cast<int>(std::lround(logical.width() * shell::twipsPerPixel)),
                 static_cast<int>(std::lround(logical.height() * shell::twipsPerPixel)));
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    const int border = toPixels(m_border);
    if (!m_picture.isNull())
        painter.drawImage(QPoint(border, border), m_picture);
    if (!m_drawing.isNull())
        painter.drawImage(QPoint(border + toPixels(m_drawingOffsetTwips.x()), border + toPixels(m_drawingOffsetTwips.y())),
                          m_drawing);
    if (border > 0) {
        painter.setPen(QPen(palette().color(QPalette::Dark), border));
        painter.drawRect(QRectF(rect()).adjusted(border / 2.0, border / 2.0, -border / 2.0, -border / 2.0));
    }
    if (m_edgeColour.isValid() && (!m_picture.isNull() || !m_drawing.isNull())) {
        // One device-independent pixel wide, inside the box, so the page keeps
        // its place at the viewport's corner and still shows its edge there.
        painter.setPen(QPen(m_edgeColour, 1.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    const QPointF at = event->position() * shell::twipsPerPixel;
    Q_EMIT mousePressed(event->button(), event->modifiers(), float(at.x()), float(at.y()));
}

void PictureBox::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF at = event->position() * shell::twipsPerPixel;
    Q_EMIT mouseMoved(event->buttons(), event->modifiers(), float(at.x()), float(at.y()));
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    const QPointF at = event->position() * shell::twipsPerPixel;
    Q_EMIT mouseReleased(event->button(), event->modifiers(), float(at.x()), float(at.y()));
}

void PictureBox::applyGeometry()
{
    setGeometry(toPixels(m_left), toPixels(m_top), toPixels(m_width), toPixels(m_height));
}

} // namespace preview
