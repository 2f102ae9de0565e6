#pragma once

#include "storyposition.h"

#include <com/sun/star/beans/PropertyValue.hpp>
#include <vector>

namespace engines::libreoffice {

// Word's selection, kept by the engine: Writer's own cursor knows no cell or
// row marks, and the generator's moves count them.
struct SelectionState {
    StoryPosition anchor;
    StoryPosition active;
    // Character properties set since the last move, which text typed next
    // takes on, as Word's selection format does.
    std::vector<css::beans::PropertyValue> typingFormat;

    bool collapsed() const { return anchor == active; }
    StoryPosition start() const { return active < anchor ? active : anchor; }
    StoryPosition end() const { return active < anchor ? anchor : active; }
    void placeCaret(StoryPosition position)
    {
        anchor = active = position;
        typingFormat.clear();
    }
};

} // namespace engines::libreoffice
