#pragma once

#include <QString>
#include <memory>

namespace word {
class Application;
class Engine;
} // namespace word

namespace generator {

// The word processors the program can drive, by key: only names and
// factories, filled in by the program (and by tests) at start. The engine
// under "builtin" is the default; the environment variable PARVOLIN_ENGINE
// names another.
class EngineRegistry {
public:
    static constexpr const char *builtInKey = "builtin";
    static constexpr const char *selectorVariable = "PARVOLIN_ENGINE";

    static void add(const QString &key, std::shared_ptr<word::Engine> engine);
    static void remove(const QString &key);
    // The engine PARVOLIN_ENGINE names (the built-in one when unset); throws
    // automation::Failure when no engine of that name is registered.
    static std::shared_ptr<word::Engine> selected();
};

// A new instance of the class `progId` ("Word.Application") from the selected
// engine; throws automation::Failure when none can be started.
std::shared_ptr<word::Application> createObject(const QString &progId);

// A running instance of `progId` from the selected engine; throws automation::Failure
// when none runs.
std::shared_ptr<word::Application> getObject(const QString &progId);

} // namespace generator
