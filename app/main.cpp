#include "commandline.h"
#include "createcommand.h"
#include "engines.h"
#include "entry/form1.h"
#include "idlewarmup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (const std::optional<int> exitCode = app::handleCommandLine(argc, argv))
        return *exitCode;
    QApplication application(argc, argv);
    app::registerEngines();
    entry::Form1 form1;
    app::connectCreateCommand(form1);
    form1.Form_Load();
    new app::IdleWarmUp(form1);
    form1.show();
    form1.centreOnScreen();
    return QApplication::exec();
}
