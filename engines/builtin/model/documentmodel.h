#pragma once

#include "listdefinition.h"
#include "pagegeometry.h"
#include "story.h"

#include <vector>

namespace engine {

// Everything a document holds: its story, the list templates stored in it and
// its one section's page.
struct DocumentModel {
    Story story;
    std::vector<ListDefinition> lists;
    PageGeometry page;
};

} // namespace engine
