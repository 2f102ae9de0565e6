#include "createcommand.h"
#include "entry/form1.h"
#ifdef PARVOLIN_HAVE_LIBREOFFICE
#include "engines/libreoffice/libreofficeengine.h"
#include "generator/engineregistry.h"
#endif

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
#ifdef PARVOLIN_HAVE_LIBREOFFICE
    generator::EngineRegistry::add(QStringLiteral("libreoffice"), engines::libreoffice::engine());
#endif
    entry::Form1 form1;
    connectCreateCommand(form1);
    form1.Form_Load();
    form1.show();
    form1.centreOnScreen();
    return QApplication::exec();
}
