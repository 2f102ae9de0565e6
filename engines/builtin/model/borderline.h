#pragma once

#include "automation/word/constants.h"

namespace engine {

// One side of a cell's border, in Word's terms.
struct BorderLine {
    long lineStyle = word::wdLineStyleNone;
    long widthEighths = word::wdLineWidth050pt;
    long color = word::wdColorAutomatic;

    bool visible() const { return lineStyle != word::wdLineStyleNone; }
    bool operator==(const BorderLine &o) const
    {
        return lineStyle == o.lineStyle && widthEighths == o.widthEighths && color == o.color;
    }
};

} // namespace engine
