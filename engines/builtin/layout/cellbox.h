#pragma once

#include "model/cellformat.h"
#include "paragraphbox.h"

#include <vector>

namespace engine {

// One cell of a laid-out row. Horizontal lengths in twips from the page's left edge.
struct CellBox {
    // The cell's end mark in the story.
    int cellEnd = 0;
    int leftTwips = 0;
    int rightTwips = 0;
    // Where the cell's text column starts, inside its padding.
    int textLeftTwips = 0;
    CellFormat format;
    std::vector<ParagraphBox> paragraphs;

    int contentHeightTwips() const
    {
        int height = 0;
        for (const ParagraphBox &paragraph : paragraphs)
            height += paragraph.heightTwips();
        return height;
    }
};

} // namespace engine
