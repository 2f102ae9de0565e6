#pragma once

namespace engine {

// How far a face reaches above and below its baseline at one size, in whole
// twips. The font's line gap counts above the baseline, as LibreOffice puts it.
struct VerticalMetrics {
    int aboveBaselineTwips = 0;
    int belowBaselineTwips = 0;
    // The single line height before it is rounded to whole twips.
    double exactHeightTwips = 0;

    // The single line height of the face.
    int heightTwips() const { return aboveBaselineTwips + belowBaselineTwips; }
};

} // namespace engine
