#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace shell {

// Where the frame of a window of `frameSize` goes when centred on `centre`:
// moved as little as needed to lie wholly within `available`; a frame larger
// than the area keeps its top-left edges inside it.
QPoint centredWithin(QSize frameSize, QPoint centre, const QRect &available);

// Moves `window` so that it is centred where `previous` is, wholly within the
// available area of the screen under that centre. Works before `window` is
// first shown, when its frame is not yet known, by lending it `previous`'s.
void placeWhere(QWidget &window, const QWidget &previous);

} // namespace shell
