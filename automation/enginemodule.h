#pragma once

#include <QString>
#include <memory>

namespace word {
class Engine;
}

namespace automation {

// What the program hands an engine module it loads, so the module can make
// its engines known by name without knowing the program's registry.
class EngineRegistrar {
public:
    virtual ~EngineRegistrar() = default;

    // Makes `engine` available under `name` (the value PARVOLIN_ENGINE selects it by).
    virtual void add(const QString &name, std::shared_ptr<word::Engine> engine) = 0;
};

// The one function an engine module exports, unmangled, under the name
// registerEnginesEntry: it registers every engine the module carries.
using RegisterEnginesFunction = void (*)(EngineRegistrar &registrar);
inline constexpr const char registerEnginesEntry[] = "parvolinRegisterEngines";

} // namespace automation
