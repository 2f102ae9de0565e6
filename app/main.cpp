#include "commandline.h"
#include "createcommand.h"
#include "endsignals.h"
#include "engines.h"
#include "entry/form1.h"
#include "idlewarmup.h"
#include "preview/form2.h"
#include "singleinstance.h"

#include <QApplication>

#include <memory>

int main(int argc, char *argv[])
{
    if (const std::optional<int> exitCode = app::handleCommandLine(argc, argv))
        return *exitCode;
    QApplication application(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(PARVOLIN_VERSION));
    app::SingleInstance instance;
    if (instance.handedToRunningProgram(&app::bringVisibleWindowToFront))
        return 0;
    app::EndSignals endSignals;
    app::registerEngines();
    entry::Form1 form1;
    // Declared after the application object, so the preview window goes
    // before it does.
    std::unique_ptr<preview::Form2> form2;
    app::connectCreateCommand(form1, form2);
    form1.Form_Load();
    new app::IdleWarmUp(form1);
    form1.show();
    form1.centreOnScreen();
    return QApplication::exec();
}
