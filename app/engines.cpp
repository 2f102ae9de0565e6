#include "engines.h"

#include "enginemodules.h"
#include "engines/builtin/builtinengine.h"
#include "generator/engineregistry.h"

namespace app {

void registerEngines()
{
    const QString builtIn = QString::fromLatin1(generator::EngineRegistry::builtInKey);
    generator::EngineRegistry::add(builtIn, engine::builtInEngine());
    // Only the chosen engine's module is loaded, so starting with the
    // built-in engine costs no module's libraries.
    const QString chosen = qEnvironmentVariable(generator::EngineRegistry::selectorVariable);
    if (!chosen.isEmpty() && chosen != builtIn)
        loadEngineModule(chosen, engineFolder());
}

} // namespace app
