#pragma once

#include <memory>
#include <vector>

namespace engine {

class DocumentState;

// What an application instance shares with its documents.
struct ApplicationState {
    bool displayAlerts = true;
    bool quit = false;
    // Open documents, oldest first; the last is the active one.
    std::vector<std::shared_ptr<DocumentState>> documents;
};

} // namespace engine
