#pragma once

#include "runningoffice.h"

#include <memory>
#include <vector>

namespace engines::libreoffice {

class DocumentState;

// What an application instance shares with its document collection.
struct ApplicationState {
    // The program's office as this instance found it at its first call; an
    // office that ended stays bound here, so that every later call of the
    // instance fails instead of running in a fresh office without its documents.
    std::shared_ptr<RunningOffice> office;
    bool displayAlerts = true;
    bool quit = false;
    // Documents in the order they were added or opened; the last open one is active.
    std::vector<std::shared_ptr<DocumentState>> documents;
};

} // namespace engines::libreoffice
