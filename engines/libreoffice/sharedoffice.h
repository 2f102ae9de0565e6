#pragma once

#include <memory>

namespace engines::libreoffice {

class RunningOffice;

// The one private office of a program run, which every application instance
// uses: started once, in the background where it can be, and started afresh
// when the last one ended (crashed, or killed because it stopped answering).
// It ends with the program.
class SharedOffice {
public:
    // Starts the office in the background unless it runs or is starting; never
    // waits and never fails visibly (a start that failed is tried again by acquire()).
    static void prepare();
    // The office, accepting calls: started, or replaced when it has ended, and
    // waited for; throws automation::Failure when it cannot be started or never accepts.
    static std::shared_ptr<RunningOffice> acquire();
};

} // namespace engines::libreoffice
