#include "scrollamounts.h"

#include "shell/twips.h"

#include <algorithm>
#include <cmath>

namespace preview {

double bodyLinesTwips(double lines, float zoom, double zoomOnePixelsPerInch)
{
    // The page is drawn smaller when it is larger than Letter, and so is its
    // text: a line takes what it takes on the page as shown.
    const double twipsPerPointAtZoomOne = zoomOnePixelsPerInch * shell::twipsPerPixel / 72.0;
    return lines * bodyLinePoints * twipsPerPointAtZoomOne * zoom;
}

double wheelTwips(int angleDelta, int pixelDelta, float zoom, double zoomOnePixelsPerInch)
{
    // Wheel deltas are positive when the wheel turns away from the user, which
    // shows what lies above: the opposite of the bar's direction.
    if (pixelDelta != 0)
        return -pixelDelta * double(shell::twipsPerPixel);
    return -angleDelta / double(wheelNotchDelta) * bodyLinesTwips(linesPerWheelNotch, zoom, zoomOnePixelsPerInch);
}

BarSteps barSteps(qint16 unit, qint32 viewportTwips, float zoom, double zoomOnePixelsPerInch)
{
    if (unit <= 0)
        return {};
    const double line = bodyLinesTwips(1.0, zoom, zoomOnePixelsPerInch);
    // A page step keeps one line of the previous view in sight.
    const double page = std::max(line, viewportTwips - line);
    return {std::max(1, int(std::lround(line / unit))), std::max(1, int(std::lround(page / unit)))};
}

} // namespace preview
