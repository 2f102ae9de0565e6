// Times the first create command of a process, the one a user waits for
// after starting the program, with the sample resume: the window is loaded
// and shown, the idle warm-up runs as in the program (left out with
// --no-warm-up), and after a pause one click is timed up to the preview
// shown. A first create can only be timed once per process, so run it
// several times for a spread, for example:
//   for i in $(seq 10); do build/benchmarks/app/firstcreate_timing; done
#include "app/createcommand.h"
#include "app/engines.h"
#include "entry/form1.h"
#include "app/idlewarmup.h"
#include "preview/form2.h"
#include "sampleprogram.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char **argv)
{
    offscreenUnlessChosen();
    QApplication application(argc, argv);
    const bool warmUp = !application.arguments().contains(QStringLiteral("--no-warm-up"));
    SampleProgram program;
    entry::Form1 &form = program.form;
    if (warmUp)
        new app::IdleWarmUp(form);
    form.show();
    // A user reads the window for a moment before clicking.
    QElapsedTimer pause;
    pause.start();
    while (pause.elapsed() < 1000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);

    QElapsedTimer timer;
    timer.start();
    form.PushButton1_Click();
    const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    std::printf("first create, click to preview shown%s: %.3f ms\n", warmUp ? "" : " (no warm-up)", ms);
    program.preview().PushButton8_Click();
    return 0;
}
