#include "callwatch.h"

#include "officeprocess.h"

#include <QtGlobal>
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace engines::libreoffice {
namespace {

using Clock = std::chrono::steady_clock;

struct Watcher {
    std::mutex mutex;
    std::vector<OfficeProcess *> offices;
    int depth = 0;
    Clock::time_point started;
    bool killed = false;
    std::chrono::milliseconds limit{120000};
};

std::chrono::milliseconds configuredLimit()
{
    bool valid = false;
    const int ms = qEnvironmentVariableIntValue("PARVOLIN_OFFICE_CALL_LIMIT_MS", &valid);
    return std::chrono::milliseconds(valid && ms > 0 ? ms : 120000);
}

void watchLoop(Watcher *watcher)
{
    for (;;) {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        std::lock_guard<std::mutex> lock(watcher->mutex);
        if (watcher->depth == 0 || watcher->killed || Clock::now() - watcher->started < watcher->limit)
            continue;
        watcher->killed = true;
        for (OfficeProcess *office : watcher->offices)
            office->killOffice();
    }
}

// One watcher for the process, started with the first office and never
// stopped: it holds no resources worth freeing and must outlive every office.
Watcher &watcher()
{
    static Watcher *const instance = [] {
        auto *created = new Watcher;
        created->limit = configuredLimit();
        std::thread(watchLoop, created).detach();
        return created;
    }();
    return *instance;
}

} // namespace

CallWatch::CallWatch()
{
    Watcher &state = watcher();
    std::lock_guard<std::mutex> lock(state.mutex);
    // Nested calls count as one: the outermost sets the clock.
    if (state.depth++ == 0) {
        state.started = Clock::now();
        state.killed = false;
    }
}

CallWatch::~CallWatch()
{
    Watcher &state = watcher();
    std::lock_guard<std::mutex> lock(state.mutex);
    --state.depth;
}

void CallWatch::watch(OfficeProcess *process)
{
    Watcher &state = watcher();
    std::lock_guard<std::mutex> lock(state.mutex);
    state.offices.push_back(process);
}

void CallWatch::unwatch(OfficeProcess *process)
{
    Watcher &state = watcher();
    std::lock_guard<std::mutex> lock(state.mutex);
    state.offices.erase(std::remove(state.offices.begin(), state.offices.end(), process), state.offices.end());
}

} // namespace engines::libreoffice
