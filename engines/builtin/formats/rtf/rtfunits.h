#pragma once

#include <cmath>

namespace engine {

// Converts between the model's units and those of RTF.
class RtfUnits {
public:
    static int twips(double points) { return static_cast<int>(std::lround(points * 20)); }
    static double points(long twips) { return twips / 20.0; }
    // Border widths: Word counts eighths of a point, RTF twips (2.5 per eighth).
    static int borderTwips(long eighths) { return static_cast<int>(eighths * 5 / 2); }
    static long borderEighths(long twips) { return twips * 2 / 5; }
};

} // namespace engine
