#include "sharedoffice.h"

#include "runningoffice.h"

#include <mutex>

namespace engines::libreoffice {
namespace {

struct Current {
    std::mutex mutex;
    std::shared_ptr<RunningOffice> office;
};

// Never destroyed: at the program's end the keeper ends the office as soon as
// the program is gone, while releasing the connection during the program's
// exit would race the UNO runtime's own teardown.
Current &current()
{
    static Current *const instance = new Current;
    return *instance;
}

// The running or starting office, started when there is none; throws
// automation::Failure when none can be started.
std::shared_ptr<RunningOffice> runningOrStarted()
{
    Current &state = current();
    const std::lock_guard<std::mutex> lock(state.mutex);
    if (!state.office || state.office->hasEnded())
        state.office = std::make_shared<RunningOffice>();
    return state.office;
}

} // namespace

void SharedOffice::prepare()
{
    try {
        runningOrStarted();
    } catch (...) {
    }
}

std::shared_ptr<RunningOffice> SharedOffice::acquire()
{
    const std::shared_ptr<RunningOffice> office = runningOrStarted();
    try {
        office->desktop();
    } catch (...) {
        // The next call starts a fresh office instead of failing on this one again.
        Current &state = current();
        const std::lock_guard<std::mutex> lock(state.mutex);
        if (state.office == office)
            state.office.reset();
        throw;
    }
    return office;
}

} // namespace engines::libreoffice
