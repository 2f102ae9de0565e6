// Times the create command from the click to the preview shown, in one
// process as the program runs it: the generator builds and saves the resume,
// the engine lays it out and draws every page, the preview window opens on
// page 1. For the sample resume and for a resume long enough for about 50
// pages; then LibreOffice converting the same saved file to PDF, for scale.
#include "app/createcommand.h"
#include "app/engines.h"
#include "entry/fieldbox.h"
#include "entry/form1.h"
#include "preview/form2.h"
#include "timingsupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTreeWidget>

namespace {

// One run of the command; the preview is sent back afterwards, deleting the
// document, so every run starts as the first did.
double createOnce(entry::Form1 &form, const QString *savedCopy)
{
    QElapsedTimer timer;
    timer.start();
    form.PushButton1_Click();
    const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    preview::Form2 &preview = preview::Form2::instance();
    if (savedCopy) {
        QFile::remove(*savedCopy);
        QFile::copy(preview.wordFile(), *savedCopy);
    }
    preview.PushButton8_Click();
    return ms;
}

int pagesShown()
{
    return preview::Form2::instance().listedPages();
}

void makeLong(entry::Form1 &form)
{
    QString references;
    for (int i = 1; i <= 2300; ++i)
        references += QStringLiteral("Reference %1, colleague at a former employer, reachable on request\r\n").arg(i);
    form.field(QStringLiteral("txtReferences"))->setText(references);
}

double sofficeOnce(const QString &file, const QString &profile, const QString &out)
{
    QElapsedTimer timer;
    timer.start();
    QProcess::execute(QStringLiteral("soffice"),
                      {QStringLiteral("-env:UserInstallation=file://") + profile, QStringLiteral("--headless"),
                       QStringLiteral("--convert-to"), QStringLiteral("pdf"), QStringLiteral("--outdir"), out, file});
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

void measure(entry::Form1 &form, const char *what, int runs, const QString &copy)
{
    std::vector<double> samples;
    createOnce(form, nullptr); // warm-up: fonts, first window
    for (int run = 0; run < runs; ++run)
        samples.push_back(createOnce(form, run == 0 ? &copy : nullptr));
    form.PushButton1_Click();
    std::printf("%s: %d pages\n", what, pagesShown());
    preview::Form2::instance().PushButton8_Click();
    printSummary("create command, click to preview shown", samples);

    if (QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty())
        return;
    const QTemporaryDir profile;
    const QTemporaryDir out;
    sofficeOnce(copy, profile.path(), out.path()); // first start builds the profile
    std::vector<double> office;
    for (int run = 0; run < 3; ++run)
        office.push_back(sofficeOnce(copy, profile.path(), out.path()));
    printSummary("soffice --convert-to pdf of the same file", office);
    std::sort(samples.begin(), samples.end());
    std::sort(office.begin(), office.end());
    std::printf("%-40s %.1f x faster\n", "ratio of medians", office[office.size() / 2] / samples[samples.size() / 2]);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QTemporaryDir settings = privateSettings();
    const QTemporaryDir temp;
    qputenv("TEMP", QFile::encodeName(temp.path()));

    entry::Form1 form;
    app::registerEngines();
    app::connectCreateCommand(form);
    form.Form_Load();
    form.PushButton3_Click();
    measure(form, "sample resume", 20, temp.path() + QStringLiteral("/sample.doc"));
    makeLong(form);
    measure(form, "long resume", 5, temp.path() + QStringLiteral("/long.doc"));
    return 0;
}
