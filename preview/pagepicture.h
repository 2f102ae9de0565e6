#pragma once

#include <QImage>

namespace preview {

// At zoom 1.0 a whole US Letter page fits the viewport: 42 logical pixels per
// inch. The largest zoom the size limits let the preview draw is 1.5.
constexpr double previewPixelsPerInch = 42.0;
constexpr double largestDrawnZoom = 1.5;

// The resolution at which page pictures are made, so that the largest drawn
// zoom still has a pixel of picture for every pixel of screen.
double pagePictureResolution(qreal devicePixelRatio);

// The resolution at which a page is drawn to be shown at `zoom` on a screen of
// `devicePixelRatio`: one picture pixel per screen pixel.
double sharpPictureResolution(float zoom, qreal devicePixelRatio);

// Marks a picture rendered at `pixelsPerInch` so that its natural size is the
// page at the preview's zoom 1.0.
QImage asPagePicture(QImage rendered, double pixelsPerInch);

} // namespace preview
