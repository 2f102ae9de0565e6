// Times the start-up of the data-entry window inside one process: creating
// it, its load sequence (skin, title, restoring 34 fields with their
// write-back, the word processor check) and showing it until it is on screen.
// The store holds the example resume, as for a returning user; the same is
// then timed while another writer keeps the disk busy with syncs, and with a
// 1 MB objective of many lines stored.
#include "diskcontention.h"
#include "entry/fieldbox.h"
#include "entry/form1.h"
#include "shell/backgroundsync.h"
#include "timingsupport.h"

#include "app/engines.h"

#include <QApplication>
#include <QElapsedTimer>

namespace {

struct StartUpSamples {
    std::vector<double> created, loaded, shown;
};

StartUpSamples startUp(int runs)
{
    StartUpSamples samples;
    QElapsedTimer timer;
    for (int run = 0; run < runs; ++run) {
        timer.start();
        entry::Form1 form;
        samples.created.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        form.Form_Load();
        samples.loaded.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        form.show();
        form.centreOnScreen();
        // Painting happens on the first pass of the event loop after show.
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        samples.shown.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    return samples;
}

void printStartUp(const char *title, const StartUpSamples &samples)
{
    std::printf("%s\n", title);
    printSummary("  Form1 created", samples.created);
    printSummary("  ... and loaded (34 fields restored)", samples.loaded);
    printSummary("  ... and shown, first paint done", samples.shown);
}

// About 1 MB of objective text: lines of 60 to 200 characters.
QString megabyteObjective()
{
    QString text;
    for (int line = 0; text.size() < (1 << 20); ++line) {
        if (line > 0)
            text += QStringLiteral("\r\n");
        text += QStringLiteral("Line %1 of a very long objective. ").arg(line).repeated(2 + line % 5);
    }
    return text;
}

} // namespace

int main(int argc, char **argv)
{
    QElapsedTimer processTimer;
    processTimer.start();
    offscreenUnlessChosen();
    QApplication application(argc, argv);
    app::registerEngines();
    const double applicationMs = static_cast<double>(processTimer.nsecsElapsed()) / 1e6;
    const QTemporaryDir settings = privateSettings();
    {
        entry::Form1 seed;
        seed.Form_Load();
        seed.PushButton3_Click();
    }
    std::printf("%-40s %.3f ms (once)\n", "QApplication created", applicationMs);
    printStartUp("example resume stored, quiet disk", startUp(30));
    {
        const DiskContention contention;
        printStartUp("example resume stored, disk busy with syncs", startUp(30));
    }
    {
        entry::Form1 seed;
        seed.Form_Load();
        seed.field(QStringLiteral("txtObjective"))->setText(megabyteObjective());
    }
    shell::BackgroundSync::instance().waitUntilIdle();
    printStartUp("1 MB objective stored, quiet disk", startUp(10));
    return 0;
}
