#pragma once

#include <QString>
#include <memory>

namespace word {

class Application;

// A kind of word processor that the program can start or find running.
class Engine {
public:
    virtual ~Engine() = default;

    // The name its running instances answer with, when they are genuinely this
    // engine ("Microsoft Word" for Word itself).
    virtual QString knownName() const = 0;
    // A new, invisible instance; throws automation::Failure when none can be started.
    virtual std::shared_ptr<Application> create() = 0;
    // An instance that is running now; throws automation::Failure when there is none.
    virtual std::shared_ptr<Application> attachRunning() = 0;
    // Gets ready for the first instance without making the caller wait, for
    // example by starting a process in the background; the program calls it
    // once its window has shown. Never fails visibly.
    virtual void prepare() {}
};

} // namespace word
