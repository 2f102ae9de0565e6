#pragma once

#include "verticalmetrics.h"

class QRawFont;

namespace engine {

// A face's vertical metrics in font units, as its tables give them.
struct DesignMetrics {
    int unitsPerEm = 2048;
    int ascender = 0;
    // Positive: the distance below the baseline.
    int descender = 0;
    int lineGap = 0;

    // The metrics of `font`: from its OS/2 table when the font asks for its
    // typographic metrics, else from its hhea table.
    static DesignMetrics of(const QRawFont &font);
    // The metrics at `sizeTwips` (the em in twips).
    VerticalMetrics at(int sizeTwips) const;
};

} // namespace engine
