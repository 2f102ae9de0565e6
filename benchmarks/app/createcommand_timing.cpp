// Times the create command from the click to the preview shown, in one
// process as the program runs it: the generator builds and saves the resume,
// the engine lays it out and draws every page, the preview window opens on
// page 1. For the sample resume, a full record of two pages, a record of about
// 50 pages of short lines, one of about 50 pages of paragraphs 4 000 to 32 000
// characters long, and a 1 MB objective of many lines; each followed by
// LibreOffice converting the same saved file to PDF, for scale. The peak
// memory of the process is printed after each record. Run with --quick to
// leave LibreOffice out, with --sample-only for the sample resume alone, and
// with --long-paragraphs-only or --megabyte-only for that record alone,
// whose peak memory then is its own.
#include "app/createcommand.h"
#include "app/engines.h"
#include "objectivefiller.h"
#include "entry/fieldbox.h"
#include "entry/form1.h"
#include "preview/form2.h"
#include "sampleprogram.h"
#include "timingsupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <sys/resource.h>

namespace {

// One run of the command; the preview is sent back afterwards, deleting the
// document, so every run starts as the first did.
double createOnce(SampleProgram &program, const QString *savedCopy)
{
    QElapsedTimer timer;
    timer.start();
    program.form.PushButton1_Click();
    const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    preview::Form2 &preview = program.preview();
    if (savedCopy) {
        QFile::remove(*savedCopy);
        QFile::copy(preview.wordFile(), *savedCopy);
    }
    preview.PushButton8_Click();
    // The running program's event loop paints the data-entry window before
    // the user can click again; without this the next run would pay for it.
    QCoreApplication::processEvents();
    return ms;
}

void makeLong(entry::Form1 &form)
{
    QString references;
    for (int i = 1; i <= 2300; ++i)
        references += QStringLiteral("Reference %1, colleague at a former employer, reachable on request\r\n").arg(i);
    form.field(QStringLiteral("txtReferences"))->setText(references);
}

// Every field three times as long as the example's, which fills two pages.
void makeFull(entry::Form1 &form)
{
    for (entry::FieldBox *field : form.findChildren<entry::FieldBox *>()) {
        const QString text = field->text();
        if (text.isEmpty())
            continue;
        const bool multiLine = field->objectName() == QStringLiteral("txtObjective")
                               || field->objectName() == QStringLiteral("txtReferences");
        field->setText(multiLine ? text + QStringLiteral("\r\n") + text + QStringLiteral("\r\n") + text
                                 : text + QLatin1Char(' ') + text);
    }
}

void makeLongParagraphs(entry::Form1 &form, const QString &objective)
{
    form.field(QStringLiteral("txtReferences"))->setText(QStringLiteral("Available on request."));
    form.field(QStringLiteral("txtObjective"))->setText(objective + longParagraphFiller(14));
}

// About 1 MB of objective text: lines of 60 to 200 characters.
void makeMegabyteObjective(entry::Form1 &form, const QString &objective)
{
    QString text = objective;
    for (int line = 0; text.size() < (1 << 20); ++line)
        text += QStringLiteral("\r\n") + QStringLiteral("Line %1 of a very long objective. ").arg(line).repeated(2 + line % 5);
    form.field(QStringLiteral("txtObjective"))->setText(text);
}

double peakResidentMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
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

bool quick = false;

void measure(SampleProgram &program, const char *what, int runs, const QString &copy)
{
    std::vector<double> samples;
    createOnce(program, nullptr); // warm-up: fonts, first window
    for (int run = 0; run < runs; ++run)
        samples.push_back(createOnce(program, run == 0 ? &copy : nullptr));
    program.form.PushButton1_Click();
    std::printf("%s: %d pages\n", what, program.preview().listedPages());
    program.preview().PushButton8_Click();
    printSummary("create command, click to preview shown", samples);
    std::printf("%-40s %.1f MB\n", "peak resident memory so far", peakResidentMegabytes());

    if (quick || QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty())
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
    offscreenUnlessChosen();
    QApplication application(argc, argv);
    quick = application.arguments().contains(QStringLiteral("--quick"));
    SampleProgram program;
    entry::Form1 &form = program.form;
    const QTemporaryDir &temp = program.temp;
    const QString objective = form.field(QStringLiteral("txtObjective"))->text();
    if (application.arguments().contains(QStringLiteral("--long-paragraphs-only"))) {
        makeLongParagraphs(form, objective);
        measure(program, "long resume, long paragraphs", 5, temp.path() + QStringLiteral("/longparagraphs.doc"));
        return 0;
    }
    if (application.arguments().contains(QStringLiteral("--megabyte-only"))) {
        makeMegabyteObjective(form, objective);
        measure(program, "1 MB objective", 3, temp.path() + QStringLiteral("/megabyte.doc"));
        return 0;
    }
    measure(program, "sample resume", 20, temp.path() + QStringLiteral("/sample.doc"));
    if (application.arguments().contains(QStringLiteral("--sample-only")))
        return 0;
    makeFull(form);
    measure(program, "full record", 20, temp.path() + QStringLiteral("/full.doc"));
    form.PushButton3_Click();
    makeLong(form);
    measure(program, "long resume, short lines", 5, temp.path() + QStringLiteral("/long.doc"));
    makeLongParagraphs(form, objective);
    measure(program, "long resume, long paragraphs", 5, temp.path() + QStringLiteral("/longparagraphs.doc"));
    form.PushButton3_Click();
    makeMegabyteObjective(form, objective);
    measure(program, "1 MB objective", 3, temp.path() + QStringLiteral("/megabyte.doc"));
    return 0;
}
