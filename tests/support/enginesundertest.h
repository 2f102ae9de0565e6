#pragma once

// The engines the generator's tests run against: the built-in one always,
// LibreOffice where it was built. The test names carry the engine's name.
#include "generator/engineregistry.h"
#ifdef PARVOLIN_LIBREOFFICE_LINKED
#include "engines/libreoffice/libreofficeengine.h"
#elif defined(PARVOLIN_HAVE_LIBREOFFICE)
#include "app/enginemodules.h"
#endif

#include <QString>
#include <string>
#include <vector>

namespace testsupport {

inline std::vector<std::string> enginesUnderTest()
{
    std::vector<std::string> names{generator::EngineRegistry::builtInKey};
#ifdef PARVOLIN_LIBREOFFICE_LINKED
    // The engine's own tests hold its code, so they register that copy.
    generator::EngineRegistry::add(QStringLiteral("libreoffice"), engines::libreoffice::engine());
    names.emplace_back("libreoffice");
#elif defined(PARVOLIN_HAVE_LIBREOFFICE)
    app::loadEngineModule(QStringLiteral("libreoffice"), QStringLiteral(PARVOLIN_ENGINE_FOLDER));
    names.emplace_back("libreoffice");
#endif
    return names;
}

// Selects `engine` for the objects the generator and the renderer create.
inline void selectEngine(const std::string &engine)
{
    qputenv(generator::EngineRegistry::selectorVariable, QByteArray::fromStdString(engine));
}

} // namespace testsupport
