#include "engines.h"

#include "engine/builtinengine.h"
#include "generator/engineregistry.h"

namespace app {

void registerEngines()
{
    generator::EngineRegistry::add(QString::fromLatin1(generator::EngineRegistry::builtInKey),
                                   engine::builtInEngine());
}

} // namespace app
