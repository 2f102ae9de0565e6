#pragma once

#include "officeconnection.h"
#include "officeprocess.h"

#include <memory>
#include <vector>

namespace engines::libreoffice {

class DocumentState;

// What an application instance shares with its document collection.
struct ApplicationState {
    std::unique_ptr<OfficeProcess> process;
    std::unique_ptr<OfficeConnection> connection;
    bool displayAlerts = true;
    bool quit = false;
    // Documents in the order they were added or opened; the last open one is active.
    std::vector<std::shared_ptr<DocumentState>> documents;
};

} // namespace engines::libreoffice
