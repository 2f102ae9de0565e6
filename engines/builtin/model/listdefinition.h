#pragma once

#include "listlevelformat.h"

#include <QString>
#include <array>

namespace engine {

// A list template stored in the document, with Word's nine levels.
struct ListDefinition {
    static constexpr int levelCount = 9;

    QString name;
    bool outlineNumbered = false;
    std::array<ListLevelFormat, levelCount> levels;

    // A definition with Word's plain numbering on every level ("%1.", "%2." ...).
    static ListDefinition create(const QString &name, bool outlineNumbered)
    {
        ListDefinition definition;
        definition.name = name;
        definition.outlineNumbered = outlineNumbered;
        for (int i = 0; i < levelCount; ++i) {
            ListLevelFormat &level = definition.levels[static_cast<size_t>(i)];
            level.numberFormat = QStringLiteral("%%1.").arg(i + 1);
            level.numberPositionPoints = 18.0 * i;
            level.textPositionPoints = 18.0 * (i + 1);
            level.tabPositionPoints = level.textPositionPoints;
            level.resetOnHigher = i;
        }
        return definition;
    }
};

} // namespace engine
