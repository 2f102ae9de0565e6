#pragma once

// The engines the generator's tests run against: the built-in one always,
// LibreOffice where it was built. The test names carry the engine's name.
#include "generator/engineregistry.h"
#ifdef PARVOLIN_HAVE_LIBREOFFICE
#include "engines/libreoffice/libreofficeengine.h"
#endif

#include <QString>
#include <string>
#include <vector>

namespace testsupport {

inline std::vector<std::string> enginesUnderTest()
{
    std::vector<std::string> names{generator::EngineRegistry::builtInKey};
#ifdef PARVOLIN_HAVE_LIBREOFFICE
    generator::EngineRegistry::add(QStringLiteral("libreoffice"), engines::libreoffice::engine());
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
