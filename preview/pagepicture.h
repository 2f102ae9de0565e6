#pragma once

#include <QImage>
#include <QSizeF>

namespace preview {

// At zoom 1.0 a whole US Letter page fits the viewport: 42 logical pixels per
// inch. A page larger than Letter, such as A4, shows at fewer pixels per inch,
// so that it fills the same box and is as whole at zoom 1.0. The largest zoom
// the size limits then let the preview draw is 1.5 for either.
constexpr double previewPixelsPerInch = 42.0;
constexpr double largestDrawnZoom = 1.5;

// The logical pixels per inch at which a page of `pageTwips` shows at zoom 1.0.
double zoomOneResolution(const QSizeF &pageTwips);

// The resolution at which page pictures are made, so that the largest drawn
// zoom still has a pixel of picture for every pixel of screen; a page larger
// than Letter shows smaller and has pixels to spare.
double pagePictureResolution(qreal devicePixelRatio);

// The resolution at which a page is drawn to be shown at `zoom` on a screen of
// `devicePixelRatio`: one picture pixel per screen pixel, for a page that
// shows at `zoomOnePixelsPerInch` at zoom 1.0.
double sharpPictureResolution(float zoom, qreal devicePixelRatio, double zoomOnePixelsPerInch = previewPixelsPerInch);

// Marks a picture rendered at `pixelsPerInch` so that its natural size is the
// page at the preview's zoom 1.0, at `zoomOnePixelsPerInch`.
QImage asPagePicture(QImage rendered, double pixelsPerInch, double zoomOnePixelsPerInch = previewPixelsPerInch);

// Marks a page picture rendered at `pixelsPerInch` for the zoom 1.0 that its
// page's size asks for (zoomOneResolution).
QImage asFittedPagePicture(QImage rendered, double pixelsPerInch);

// The logical pixels per inch at which `pagePicture` (marked by asPagePicture)
// shows its page at zoom 1.0.
double zoomOneResolution(const QImage &pagePicture);

} // namespace preview
