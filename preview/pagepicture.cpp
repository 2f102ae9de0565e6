#include "pagepicture.h"

namespace preview {

double pagePictureResolution(qreal devicePixelRatio)
{
    return previewPixelsPerInch * largestDrawnZoom * devicePixelRatio;
}

double sharpPictureResolution(float zoom, qreal devicePixelRatio)
{
    return previewPixelsPerInch * zoom * devicePixelRatio;
}

QImage asPagePicture(QImage rendered, double pixelsPerInch)
{
    rendered.setDevicePixelRatio(pixelsPerInch / previewPixelsPerInch);
    return rendered;
}

} // namespace preview
