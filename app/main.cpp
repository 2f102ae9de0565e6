#include "createcommand.h"
#include "entry/form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    entry::Form1 form1;
    connectCreateCommand(form1);
    form1.Form_Load();
    form1.show();
    form1.centreOnScreen();
    return QApplication::exec();
}
