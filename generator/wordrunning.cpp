#include "wordrunning.h"

#include "engineregistry.h"
#include "shell/apptitle.h"
#include "shell/dialogs.h"
#include "automation/word/application.h"
#include "automation/word/engine.h"

namespace generator {

bool IsWordRunning()
{
    try {
        const auto engine = generator::EngineRegistry::selected();
        const auto running = generator::getObject(QStringLiteral("Word.Application"));
        // The attached instance is only looked at, never quit or changed.
        return running && running->name() == engine->knownName();
    } catch (...) {
        return false;
    }
}

bool WarnIfWordRunning()
{
    if (!IsWordRunning())
        return false;
    const QString text = QStringLiteral("Word may be open. It is recommended that you close Word first. "
                                        "Use Ctrl+Alt+Del > Task Manager > WINWORD.EXE if necessary.")
                         + QStringLiteral("\r\n\r\n") + QStringLiteral("Would you like to proceed anyway?");
    const auto answer = shell::dialogs().message(
        {shell::appTitle(), text, shell::MessageIcon::None, shell::MessageButtons::YesNo});
    return answer != shell::MessageAnswer::Yes;
}

} // namespace generator
