// Times a whole program run with LibreOffice as the engine, as a user meets
// it: the data-entry window is loaded and shown with the idle warm-up, the
// user reads it for a while (10 s, or the seconds given as the first
// argument), then creates the sample resume four times with "< Back" and a
// pause between. Each create is timed from the click to the preview painted.
// Also counts the offices started in the run: the distinct private profile
// folders, and the distinct soffice.bin processes (LibreOffice restarts
// itself once when it sets up a fresh profile).
//   build/benchmarks/engines/libreoffice/officerun_timing [seconds]
#include "app/createcommand.h"
#include "app/enginemodules.h"
#include "app/engines.h"
#include "app/idlewarmup.h"
#include "entry/form1.h"
#include "generator/engineregistry.h"
#include "preview/form2.h"
#include "timingsupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// The soffice.bin processes and profile folders of this run seen so far.
struct OfficeCensus {
    QString temp;
    QSet<QString> offices;
    QSet<QString> folders;

    void look()
    {
        for (const QString &folder : QDir(temp).entryList({QStringLiteral("parvolin-libreoffice-*")}, QDir::Dirs))
            folders.insert(folder);
        for (const QString &pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            QFile name(QStringLiteral("/proc/%1/comm").arg(pid));
            QFile commandLine(QStringLiteral("/proc/%1/cmdline").arg(pid));
            if (name.open(QIODevice::ReadOnly) && name.readAll().trimmed() == "soffice.bin"
                && commandLine.open(QIODevice::ReadOnly) && commandLine.readAll().contains(QFile::encodeName(temp)))
                offices.insert(pid);
        }
    }
};

// Notes when the watched window has painted.
class PaintWatch : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

// Lets events run for `ms`, looking at the offices now and then.
void pause(int ms, OfficeCensus &census)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        census.look();
    }
}

double createUntilPainted(entry::Form1 &form, preview::Form2 &preview, OfficeCensus &census)
{
    PaintWatch watch;
    preview.installEventFilter(&watch);
    QElapsedTimer timer;
    timer.start();
    form.PushButton1_Click();
    census.look();
    while (!watch.painted && timer.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    preview.removeEventFilter(&watch);
    preview.PushButton8_Click();
    return ms;
}

} // namespace

int main(int argc, char **argv)
{
    offscreenUnlessChosen();
    QApplication application(argc, argv);
    const int readingMs = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() * 1000 : 10000;
    const QTemporaryDir settings = privateSettings();
    const QTemporaryDir temp;
    qputenv("TEMP", QFile::encodeName(temp.path()));
    qputenv(generator::EngineRegistry::selectorVariable, "libreoffice");
    OfficeCensus census{temp.path(), {}, {}};

    app::registerEngines();
    // The module lies in the build's engine folder, not beside this program.
    app::loadEngineModule(QStringLiteral("libreoffice"), QStringLiteral(PARVOLIN_ENGINE_FOLDER));
    entry::Form1 form;
    // Owned as the program owns it, so that it goes before the application.
    std::unique_ptr<preview::Form2> form2;
    app::connectCreateCommand(form, form2);
    form.Form_Load();
    form.PushButton3_Click();
    new app::IdleWarmUp(form);
    form.show();
    pause(readingMs, census);

    preview::Form2 &preview = app::previewWindow(form, form2);
    const double first = createUntilPainted(form, preview, census);
    std::vector<double> later;
    for (int run = 0; run < 3; ++run) {
        pause(1000, census);
        later.push_back(createUntilPainted(form, preview, census));
    }
    std::printf("first create, click to preview painted, %d s after start: %.3f ms\n", readingMs / 1000, first);
    printSummary("later creates, click to preview painted", later);
    std::printf("offices started in the run: %lld profile folder(s), %lld soffice.bin process(es)\n",
                static_cast<long long>(census.folders.size()), static_cast<long long>(census.offices.size()));
    return 0;
}
