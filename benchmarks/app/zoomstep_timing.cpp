// Times the preview's zoom steps, each a click on "Zoom In" or "Zoom Out" up to
// the page drawn sharp for the new size, after a create with the sample
// resume. With PARVOLIN_ENGINE=libreoffice it shows what keeping the document
// open saves over starting the word processor for every step:
//   build/benchmarks/app/zoomstep_timing [rounds]
#include "preview/form2.h"
#include "sampleprogram.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>

namespace {

double clickMs(QPushButton &button)
{
    QElapsedTimer timer;
    timer.start();
    button.click();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    offscreenUnlessChosen();
    QApplication application(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    SampleProgram program;
    entry::Form1 &form = program.form;
    form.show();
    form.PushButton1_Click();
    preview::Form2 &preview = program.preview();
    auto *zoomIn = preview.findChild<QPushButton *>(QStringLiteral("PushButton1"));
    auto *zoomOut = preview.findChild<QPushButton *>(QStringLiteral("PushButton2"));
    auto *pages = preview.findChild<QTreeWidget *>(QStringLiteral("ListView1"));
    pages->setCurrentItem(pages->topLevelItem(0));
    std::vector<double> steps;
    // From 1.0 down to 0.25, then, after choosing the page again (which
    // forgets the drawings), from 1.0 up to 1.5: every step draws afresh.
    for (int round = 0; round < rounds; ++round) {
        for (int i = 0; i < 3; ++i)
            steps.push_back(clickMs(*zoomOut));
        preview.ListView1_Click();
        for (int i = 0; i < 2; ++i)
            steps.push_back(clickMs(*zoomIn));
        preview.ListView1_Click();
    }
    printSummary("zoom step, click to sharp page", steps);
    preview.PushButton8_Click();
    return 0;
}
