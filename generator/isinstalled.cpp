#include "isinstalled.h"

#include "engineregistry.h"
#include "shell/apptitle.h"
#include "shell/dialogs.h"
#include "shell/programend.h"
#include "automation/word/application.h"

#include <QStringList>

namespace generator {
namespace {

QString adviceText()
{
    return QStringList{
        QStringLiteral("Error 842001. A normal instance of Word could not be created."),
        QStringLiteral("1. Please make sure Word is installed on this computer."),
        QStringLiteral("2. Please open Word normally and make sure a blank document opens immediately "
                       "without any interrupting window (such as an Word file recovery window)."),
        QStringLiteral("3. Please make sure that when you double-click on a DOC or DOCX file that Word "
                       "opens normally without any interrupting messages."),
        QStringLiteral("4. All versions of Word are supported by this software except for the rare "
                       "Word Starter and Student editions."),
    }.join(QStringLiteral("\r\n\r\n"));
}

} // namespace

void CheckWordInstalled()
{
    // Every failure here is ignored: the only outcome that matters is whether
    // an instance was obtained.
    std::shared_ptr<word::Application> instance;
    try {
        instance = generator::createObject(QStringLiteral("Word.Application"));
    } catch (...) {
    }
    if (!instance) {
        shell::dialogs().message({shell::appTitle(), adviceText(), shell::MessageIcon::None,
                                  shell::MessageButtons::Ok});
        shell::endProgram(1);
        return;
    }
    try {
        instance->quit();
    } catch (...) {
    }
}

} // namespace generator
