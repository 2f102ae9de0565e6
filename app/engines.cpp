#include "engines.h"

#include "engines/builtin/builtinengine.h"
#include "generator/engineregistry.h"
#ifdef PARVOLIN_HAVE_LIBREOFFICE
#include "engines/libreoffice/libreofficeengine.h"
#endif

namespace app {

void registerEngines()
{
    generator::EngineRegistry::add(QString::fromLatin1(generator::EngineRegistry::builtInKey),
                                   engine::builtInEngine());
#ifdef PARVOLIN_HAVE_LIBREOFFICE
    generator::EngineRegistry::add(QStringLiteral("libreoffice"), engines::libreoffice::engine());
#endif
}

} // namespace app
