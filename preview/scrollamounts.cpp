#include "scrollamounts.h"

#include "pagepicture.h"

#include "shell/twips.h"

#include <algorithm>
#include <cmath>

namespace preview {

double bodyLinesTwips(double lines, float zoom)
{
    const double twipsPerPointAtZoomOne = previewPixelsPerInch * shell::twipsPerPixel / 72.0;
    return lines * bodyLinePoints * twipsPerPointAtZoomOne * zoom;
}

double wheelTwips(int angleDelta, int pixelDelta, float zoom)
{
    // Wheel deltas are positive when the wheel turns away from the user, which
    // shows what lies above: the opposite of the bar's direction.
    if (pixelDelta != 0)
        return -pixelDelta * double(shell::twipsPerPixel);
    return -angleDelta / double(wheelNotchDelta) * bodyLinesTwips(linesPerWheelNotch, zoom);
}

BarSteps barSteps(qint16 unit, qint32 viewportTwips, float zoom)
{
    if (unit <= 0)
        return {};
    const double line = bodyLinesTwips(1.0, zoom);
    // A page step keeps one line of the previous view in sight.
    const double page = std::max(line, viewportTwips - line);
    return {std::max(1, int(std::lround(line / unit))), std::max(1, int(std::lround(page / unit)))};
}

} // namespace preview
