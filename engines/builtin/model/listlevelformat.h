#pragma once

#include "automation/word/constants.h"
#include "automation/word/font.h"

#include <QString>
#include <map>

namespace engine {

// One level of a list definition. Positions in points.
struct ListLevelFormat {
    // Word's number format: "%1" stands for this level's number.
    QString numberFormat;
    long trailingCharacter = word::wdTrailingTab;
    long numberStyle = word::wdListNumberStyleArabic;
    double numberPositionPoints = 0;
    long alignment = word::wdListLevelAlignLeft;
    double textPositionPoints = 18;
    double tabPositionPoints = 18;
    long resetOnHigher = 0;
    long startAt = 1;
    // The number's own font; empty keeps the paragraph's.
    QString fontName;
    // Only the properties somebody set; the others follow the paragraph.
    std::map<word::FontProperty, double> fontProperties;
};

} // namespace engine
