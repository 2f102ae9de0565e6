#pragma once

#include <QString>
#include <vector>

namespace engine {

// What belongs to a whole table: its column grid and its style.
struct TableFormat {
    std::vector<double> columnWidthsPoints;
    QString styleName = QStringLiteral("Table Normal");
    bool applyStyleHeadingRows = false;
    bool applyStyleLastRow = false;
    bool applyStyleFirstColumn = false;
    bool applyStyleLastColumn = false;
};

} // namespace engine
