#pragma once

namespace engine {

// The page of a new Word document: US Letter with 1-inch margins, in twips.
struct PageGeometry {
    int widthTwips = 12240;
    int heightTwips = 15840;
    int marginLeftTwips = 1440;
    int marginRightTwips = 1440;
    int marginTopTwips = 1440;
    int marginBottomTwips = 1440;

    int textWidthTwips() const { return widthTwips - marginLeftTwips - marginRightTwips; }
    int textBottomTwips() const { return heightTwips - marginBottomTwips; }
};

} // namespace engine
