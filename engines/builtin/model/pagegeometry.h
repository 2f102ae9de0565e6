#pragma once

#include "automation/paper.h"

namespace engine {

// A document's page, in twips: US Letter with 1-inch margins unless the
// document says otherwise.
struct PageGeometry {
    int widthTwips = 12240;
    int heightTwips = 15840;
    int marginLeftTwips = 1440;
    int marginRightTwips = 1440;
    int marginTopTwips = 1440;
    int marginBottomTwips = 1440;

    int textWidthTwips() const { return widthTwips - marginLeftTwips - marginRightTwips; }
    int textBottomTwips() const { return heightTwips - marginBottomTwips; }

    // The page of a new document on `paper`: 1-inch margins all round.
    static PageGeometry onPaper(const automation::PaperSize &paper)
    {
        PageGeometry page;
        page.widthTwips = paper.widthTwips;
        page.heightTwips = paper.heightTwips;
        return page;
    }
};

} // namespace engine
