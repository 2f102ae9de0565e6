#pragma once

namespace engine {

// A cell border on a page: a filled rectangle, in twips from the page's top-left corner.
struct RuleLine {
    int leftTwips = 0;
    int topTwips = 0;
    int widthTwips = 0;
    int heightTwips = 0;
};

} // namespace engine
