#include "windowplacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace shell {
namespace {

int placedWithin(int start, int extent, int areaStart, int areaExtent)
{
    // The far edge is pulled in first and the near edge last, so an oversized
    // window keeps its title bar on the screen.
    start = std::min(start, areaStart + areaExtent - extent);
    return std::max(start, areaStart);
}

QMargins frameMargins(const QWidget &window)
{
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

// The middle of `frame` as centredWithin takes it back: QRect::center() lies
// half a pixel up and left of it for an even size, which moved the windows a
// pixel each time one took the other's place.
QPoint middle(const QRect &frame)
{
    return {frame.left() + frame.width() / 2, frame.top() + frame.height() / 2};
}

} // namespace

QPoint centredWithin(QSize frameSize, QPoint centre, const QRect &available)
{
    const int left = centre.x() - frameSize.width() / 2;
    const int top = centre.y() - frameSize.height() / 2;
    return {placedWithin(left, frameSize.width(), available.left(), available.width()),
            placedWithin(top, frameSize.height(), available.top(), available.height())};
}

void placeWhere(QWidget &window, const QWidget &previous)
{
    const QPoint centre = middle(previous.frameGeometry());
    const QScreen *screen = QGuiApplication::screenAt(centre);
    if (!screen)
        screen = previous.screen();
    if (!screen)
        return;
    // A window never shown has no frame yet; both windows get the same one.
    QMargins margins = frameMargins(window);
    if (margins.isNull())
        margins = frameMargins(previous);
    const QSize frameSize = window.size().grownBy(margins);
    window.move(centredWithin(frameSize, centre, screen->availableGeometry()));
}

} // namespace shell
