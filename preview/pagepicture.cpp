#include "pagepicture.h"

#include <algorithm>

namespace preview {
namespace {

constexpr double twipsPerInch = 1440;
constexpr double letterWidthTwips = 12240;
constexpr double letterHeightTwips = 15840;
// The mark asPagePicture leaves, since the picture's own pixels do not say
// at which resolution they were drawn.
const char *const zoomOneKey = "ZoomOnePixelsPerInch";

} // namespace

double zoomOneResolution(const QSizeF &pageTwips)
{
    if (pageTwips.isEmpty())
        return previewPixelsPerInch;
    const double shrink =
        std::min({1.0, letterWidthTwips / pageTwips.width(), letterHeightTwips / pageTwips.height()});
    return previewPixelsPerInch * shrink;
}

double pagePictureResolution(qreal devicePixelRatio)
{
    return previewPixelsPerInch * largestDrawnZoom * devicePixelRatio;
}

double sharpPictureResolution(float zoom, qreal devicePixelRatio, double zoomOnePixelsPerInch)
{
    return zoomOnePixelsPerInch * zoom * devicePixelRatio;
}

QImage asPagePicture(QImage rendered, double pixelsPerInch, double zoomOnePixelsPerInch)
{
    rendered.setDevicePixelRatio(pixelsPerInch / zoomOnePixelsPerInch);
    rendered.setText(QString::fromLatin1(zoomOneKey), QString::number(zoomOnePixelsPerInch, 'g', 17));
    return rendered;
}

QImage asFittedPagePicture(QImage rendered, double pixelsPerInch)
{
    // An engine rounds a page's picture to whole pixels, by at most one: the
    // page is at least one pixel less than the picture, so a Letter page is
    // never taken for a larger one.
    const QSizeF pageTwips(std::max(0, rendered.width() - 1) * twipsPerInch / pixelsPerInch,
                           std::max(0, rendered.height() - 1) * twipsPerInch / pixelsPerInch);
    return asPagePicture(std::move(rendered), pixelsPerInch, zoomOneResolution(pageTwips));
}

double zoomOneResolution(const QImage &pagePicture)
{
    bool known = false;
    const double marked = pagePicture.text(QString::fromLatin1(zoomOneKey)).toDouble(&known);
    return known && marked > 0 ? marked : previewPixelsPerInch;
}

} // namespace preview
