#pragma once

#include "ruleline.h"

#include <vector>

namespace engine {

// What one page shows: its lines (indices into the layout's lines) and rules.
struct PageContent {
    std::vector<int> lines;
    std::vector<RuleLine> rules;
};

} // namespace engine
