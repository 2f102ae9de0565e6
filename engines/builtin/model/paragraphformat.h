#pragma once

#include "automation/word/constants.h"

#include <tuple>

namespace engine {

// The format a paragraph mark carries for its paragraph.
struct ParagraphFormat {
    long alignment = word::wdAlignParagraphLeft;
    // Index of the document's list definition, or -1 for none.
    int list = -1;

    bool operator==(const ParagraphFormat &other) const { return key() == other.key(); }
    bool operator<(const ParagraphFormat &other) const { return key() < other.key(); }

private:
    std::tuple<long, int> key() const { return {alignment, list}; }
};

} // namespace engine
