#include "pagepicture.h"

#include "viewmath.h"

namespace preview {

double pagePictureResolution(qreal devicePixelRatio)
{
    return previewPixelsPerInch * largestDrawnZoom * devicePixelRatio;
}

const std::vector<float> &drawnZooms()
{
    static const std::vector<float> zooms = [] {
        std::vector<float> all;
        for (float zoom = smallestZoom; zoom <= float(largestDrawnZoom); zoom += zoomStep)
            all.push_back(zoom);
        return all;
    }();
    return zooms;
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
