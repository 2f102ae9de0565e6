#pragma once

#include "listmark.h"
#include "paragraphline.h"

#include <QTextLayout>
#include <memory>
#include <optional>
#include <vector>

namespace engine {

// A paragraph laid out in its column: its lines, the space after it and its
// list mark. Lengths in twips.
struct ParagraphBox {
    // The paragraph's first story position and its mark.
    int from = 0;
    int mark = 0;
    // Shared so that boxes stay cheap to copy; the lines draw from it.
    std::shared_ptr<QTextLayout> text;
    std::vector<ParagraphLine> lines;
    int spaceAfterTwips = 0;
    std::optional<ListMark> listMark;

    // The height of the lines, without the space after.
    int linesHeightTwips() const { return lines.empty() ? 0 : lines.back().bottomTwips(); }
    int heightTwips() const { return linesHeightTwips() + spaceAfterTwips; }
};

} // namespace engine
