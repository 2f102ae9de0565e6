#include "viewmath.h"

#include <cfenv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace preview {

qint32 roundHalfEven(double value)
{
    // std::nearbyint follows the current rounding mode, which is to-nearest-even
    // unless someone changed it; say so explicitly.
    const int previous = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    std::fesetround(previous);
    return static_cast<qint32>(rounded);
}

qint32 zoomedExtent(qint32 extent, float zoom)
{
    return static_cast<qint32>(std::floor(static_cast<double>(extent) * static_cast<double>(zoom)));
}

ScrollSetup scrollSetup(qint32 pageExtent, qint32 viewportOuter)
{
    if (pageExtent <= viewportOuter)
        return {};
    const qint32 overflow = pageExtent - viewportOuter;
    if (overflow <= 100)
        return {true, overflow, 1};
    return {true, roundHalfEven(overflow / 10.0), 10};
}

qint32 clampDraggedEdge(qint32 edge, qint32 viewportInterior, qint32 pageExtent)
{
    if (edge > 0)
        return 0;
    const qint32 furthest = viewportInterior - pageExtent;
    return edge < furthest ? furthest : edge;
}

std::optional<qint32> offsetPercent(qint32 edge, qint32 pageExtent, qint32 viewportOuter)
{
    const qint32 overflow = pageExtent - viewportOuter;
    if (overflow == 0)
        return std::nullopt;
    return roundHalfEven(std::abs(static_cast<double>(edge)) / overflow * 100.0);
}

std::optional<qint32> valueForPercent(qint16 percent, qint32 maximum)
{
    if (percent < 0)
        return std::nullopt;
    const double value = percent / 100.0 * maximum;
    if (value > maximum)
        return std::nullopt;
    return roundHalfEven(value);
}

} // namespace preview
