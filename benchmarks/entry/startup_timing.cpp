// Times the start-up of the data-entry window inside one process: creating
// it, its load sequence (skin, title, restoring 34 fields with their
// write-back, the word processor check) and showing it until it is on screen.
// The store holds the example resume, as for a returning user.
#include "entry/form1.h"
#include "timingsupport.h"

#include "app/engines.h"

#include <QApplication>
#include <QElapsedTimer>

int main(int argc, char **argv)
{
    QElapsedTimer processTimer;
    processTimer.start();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    app::registerEngines();
    const double applicationMs = static_cast<double>(processTimer.nsecsElapsed()) / 1e6;
    const QTemporaryDir settings = privateSettings();
    {
        entry::Form1 seed;
        seed.Form_Load();
        seed.PushButton3_Click();
    }

    std::vector<double> created, loaded, shown;
    QElapsedTimer timer;
    for (int run = 0; run < 30; ++run) {
        timer.start();
        entry::Form1 form;
        created.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        form.Form_Load();
        loaded.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        form.show();
        form.centreOnScreen();
        // Painting happens on the first pass of the event loop after show.
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        shown.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("%-40s %.3f ms (once)\n", "QApplication created", applicationMs);
    printSummary("Form1 created", created);
    printSummary("... and loaded (34 fields restored)", loaded);
    printSummary("... and shown, first paint done", shown);
    return 0;
}
