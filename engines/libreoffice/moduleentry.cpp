// The module's one exported function, through which the program that loads
// it learns of the LibreOffice engine.
#include "libreofficeengine.h"
#include "automation/enginemodule.h"
#include "automation/word/engine.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT void parvolinRegisterEngines(automation::EngineRegistrar &registrar)
{
    // Checked at build time: the program looks the entry up by this type.
    const automation::RegisterEnginesFunction matchesTheProgramsType = &parvolinRegisterEngines;
    (void)matchesTheProgramsType;
    registrar.add(QStringLiteral("libreoffice"), engines::libreoffice::engine());
}
