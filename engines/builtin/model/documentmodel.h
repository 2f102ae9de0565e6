#pragma once

#include "listdefinition.h"
#include "story.h"

#include <vector>

namespace engine {

// Everything a document holds: its story and the list templates stored in it.
struct DocumentModel {
    Story story;
    std::vector<ListDefinition> lists;
};

} // namespace engine
