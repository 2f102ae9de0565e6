#pragma once

namespace engine {

// Where a move by lines ends: a story position, and how many lines it went.
struct LineMove {
    int position = 0;
    long lines = 0;
};

} // namespace engine
