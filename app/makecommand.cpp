#include "makecommand.h"

#include "collectedreports.h"
#include "engines.h"
#include "storedrecord.h"

#include "automation/failure.h"
#include "automation/word/application.h"
#include "automation/word/document.h"
#include "entry/fieldbox.h"
#include "entry/resumefields.h"
#include "generator/resume.h"
#include "generator/resumesession.h"
#include "shell/safewrite.h"
#include "shell/steps.h"
#include "shell/tempfolder.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QWidget>

#include <map>
#include <optional>

namespace app {
namespace {

// The text each field's box would hold with the stored text restored into
// it, which is what the create command reads: a multi-line box settles the
// line breaks. The boxes are made but never shown.
std::map<QString, QString> boxTexts(const QStringList &record)
{
    QWidget holder;
    std::map<QString, QString> texts;
    const auto &fields = entry::resumeFields();
    for (int row = 0; row < entry::resumeFieldCount; ++row) {
        const entry::ResumeField &field = fields[static_cast<std::size_t>(row)];
        entry::FieldBox box(QLatin1String(field.name), field.multiLine, &holder);
        box.setText(record.at(row));
        texts[QLatin1String(field.name)] = box.text();
    }
    return texts;
}

// Saves the document made into a private folder and lets the instance go,
// with the generator's own steps, so a failure reads as it does in the window.
QString saveAndQuit(generator::GeneratedDocument &generated, const QString &folder, const QString &suffix)
{
    const shell::Steps steps(QStringLiteral("Resume.GenerateResume"));
    const QString made = QDir(folder).filePath(QStringLiteral("resume.") + suffix);
    const auto document = generated.document;
    const auto application = generated.application;
    steps.run(598, [&] { generator::required(document, "The resume document")->saveAs(made); });
    steps.run(600, [&] { generator::required(application, "The word processor")->setDisplayAlerts(false); });
    steps.run(602, [&] { generator::required(document, "The resume document")->close(); });
    steps.run(604, [&] { generator::required(application, "The word processor")->quit(); });
    generated = {};
    return made;
}

// The generator builds from the boxes of the window; with no display there
// is no window system to ask for them, so Qt is told to need none.
void needNoDisplay()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

int reportFailures(const CollectedReports &reports, QTextStream &err)
{
    err << "parvolin: the document was not made:\n" << reports.errorReports().first() << '\n';
    if (reports.errorReports().size() > 1)
        err << "(" << reports.errorReports().size() - 1 << " more steps failed after it.)\n";
    return 1;
}

int make(const QString &file, QTextStream &err)
{
    CollectedReports reports;
    shell::installDialogs(&reports);
    struct Restore {
        ~Restore() { shell::installDialogs(nullptr); }
    } restore;

    std::map<QString, QString> texts;
    try {
        texts = boxTexts(readStoredRecord());
    } catch (const automation::Failure &failure) {
        err << "parvolin: the document was not made: " << failure.description() << '\n';
        return 1;
    }
    generator::GeneratedDocument generated =
        generator::GenerateResume([&texts](const QString &name) { return texts.at(name); });
    for (const QString &note : reports.notes())
        err << "parvolin: " << note << '\n';
    if (generated.stoppedEarly) {
        err << "parvolin: the document was not made.\n";
        return 1;
    }
    QTemporaryDir folder(QDir(shell::temporaryFolder()).filePath(QStringLiteral("parvolin-make-XXXXXX")));
    if (!folder.isValid()) {
        err << "parvolin: the document was not made: no private folder could be made in "
            << shell::temporaryFolder() << ": " << folder.errorString() << '\n';
        return 1;
    }
    const QString made = saveAndQuit(generated, folder.path(), QFileInfo(file).suffix().toLower());
    if (!reports.errorReports().isEmpty())
        return reportFailures(reports, err);
    try {
        shell::copyFileSafely(made, file);
    } catch (const automation::Failure &failure) {
        err << "parvolin: the document was not saved: " << failure.description() << '\n';
        return 1;
    }
    return 0;
}

} // namespace

bool makesFileNamed(const QString &file)
{
    const QString suffix = QFileInfo(file).suffix().toLower();
    for (const char *made : {"doc", "docx", "rtf", "pdf"}) {
        if (suffix == QLatin1String(made))
            return true;
    }
    return false;
}

int makeDocument(const QString &file, QTextStream &err)
{
    needNoDisplay();
    static int argc = 1;
    static char name[] = "parvolin";
    static char *argv[] = {name, nullptr};
    std::optional<QApplication> application;
    if (!QCoreApplication::instance()) {
        application.emplace(argc, argv);
        registerEngines();
    }
    return make(file, err);
}

} // namespace app
