// Times the create command for the sample resume, from the click to the
// preview shown, once with the built-in engine and once with LibreOffice:
// the generator's instance builds and saves the resume, the renderer's
// instance lays it out and draws every page. With LibreOffice both instances
// work in the program's one private office. Also times the
// generator alone (build, save as Word 97, quit) with each engine.
#include "app/createcommand.h"
#include "app/enginemodules.h"
#include "app/engines.h"
#include "entry/form1.h"
#include "entry/resumefields.h"
#include "entry/sampledata.h"
#include "generator/engineregistry.h"
#include "generator/resume.h"
#include "preview/form2.h"
#include "timingsupport.h"
#include "automation/word/application.h"
#include "automation/word/document.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTreeWidget>

namespace {

double elapsedMs(const QElapsedTimer &timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

QString sampleField(const QString &name)
{
    const entry::ResumeField *field = entry::findResumeField(name);
    return field ? entry::sampleValue(static_cast<int>(field - entry::resumeFields().data())) : QString();
}

double generateAndSave(const QString &path)
{
    QElapsedTimer timer;
    timer.start();
    const generator::GeneratedDocument result = generator::GenerateResume(sampleField);
    result.document->saveAs(path);
    result.document->close();
    result.application->quit();
    return elapsedMs(timer);
}

// The data-entry window and the preview window it hands its documents to,
// owned as the program owns them.
struct Windows {
    entry::Form1 form;
    std::unique_ptr<preview::Form2> form2;

    preview::Form2 &preview() { return app::previewWindow(form, form2); }
};

double createOnce(Windows &windows)
{
    QElapsedTimer timer;
    timer.start();
    windows.form.PushButton1_Click();
    const double ms = elapsedMs(timer);
    windows.preview().PushButton8_Click();
    return ms;
}

void measure(Windows &windows, const char *engine, int runs, const QString &folder)
{
    qputenv(generator::EngineRegistry::selectorVariable, engine);
    std::vector<double> generator;
    std::vector<double> create;
    createOnce(windows); // warm-up: fonts, first window, the office's first start
    for (int run = 0; run < runs; ++run) {
        generator.push_back(generateAndSave(folder + QStringLiteral("/timing.doc")));
        create.push_back(createOnce(windows));
    }
    windows.form.PushButton1_Click();
    std::printf("%s engine: the sample resume takes %d pages\n", engine, windows.preview().listedPages());
    windows.preview().PushButton8_Click();
    printSummary("generator: build, save, quit", generator);
    printSummary("create command, click to preview shown", create);
}

} // namespace

int main(int argc, char **argv)
{
    offscreenUnlessChosen();
    QApplication application(argc, argv);
    app::registerEngines();
    app::loadEngineModule(QStringLiteral("libreoffice"), QStringLiteral(PARVOLIN_ENGINE_FOLDER));
    const QTemporaryDir settings = privateSettings();
    const QTemporaryDir temp;
    qputenv("TEMP", QFile::encodeName(temp.path()));

    Windows windows;
    app::connectCreateCommand(windows.form, windows.form2);
    windows.form.Form_Load();
    windows.form.PushButton3_Click();
    measure(windows, "builtin", 20, temp.path());
    measure(windows, "libreoffice", 5, temp.path());
    return 0;
}
