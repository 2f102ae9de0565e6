#include "commandline.h"
#include "createcommand.h"
#include "entry/form1.h"
#include "idlewarmup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (const std::optional<int> exitCode = handleCommandLine(argc, argv))
        return *exitCode;
    QApplication application(argc, argv);
    entry::Form1 form1;
    connectCreateCommand(form1);
    form1.Form_Load();
    new IdleWarmUp(form1);
    form1.show();
    form1.centreOnScreen();
    return QApplication::exec();
}
