// --make through the real program with no display, its documents read back
// by other programs.
#include "terminalrun.h"

#include "app/engines.h"
#include "automation/word/application.h"
#include "automation/word/document.h"
#include "entry/fieldbox.h"
#include "entry/form1.h"
#include "entry/resumefields.h"
#include "generator/resume.h"
#include "libreofficepdf.h"
#include "shell/settingsstore.h"
#include "support/enginesundertest.h"
#include "support/files.h"
#include "support/testenvironment.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

namespace {

// One word per field that the document shows in a row of its own, in the
// order the document shows them; no word wraps or splits.
const std::vector<std::pair<const char *, const char *>> &orderedFields()
{
    static const std::vector<std::pair<const char *, const char *>> fields = {
        {"Your Name", "Quillonby"},           {"Objective", "Tessellating"},      {"Company 1", "Brackwater"},
        {"Job Title 1", "Lampwright"},        {"Job Responsibility 1.1", "Vellumised"},
        {"Job Responsibility 1.3", "Orrerys"}, {"Company 2", "Marrowfen"},         {"Job Title 2", "Cartographer"},
        {"School Name", "Thistlegate"},        {"Degree Obtained", "Horologist"}, {"Special Awards", "Gildenhall"},
        {"References", "Wrenfield"},
    };
    return fields;
}

void storeOrderedFields()
{
    testsupport::freshSettingsFolder();
    shell::SettingsStore store;
    for (const auto &[key, word] : orderedFields())
        store.write(QLatin1String(key), QLatin1String(word));
    store.write(QStringLiteral("City"), QStringLiteral("Springfield, IL"));
}

void expectFieldsInOrder(const QString &text, const char *reader)
{
    qsizetype from = 0;
    for (const auto &[key, word] : orderedFields()) {
        from = text.indexOf(QLatin1String(word), from);
        if (from < 0) {
            ADD_FAILURE() << reader << " reads " << key << " (" << word << ") after the field before it in:\n"
                          << text.toStdString();
            return;
        }
    }
}

QString readerText(const QString &program, const QStringList &arguments)
{
    if (QStandardPaths::findExecutable(program).isEmpty())
        return QStringLiteral("<%1 is not installed>").arg(program);
    QProcess reader;
    reader.start(program, arguments);
    reader.waitForFinished(120000);
    return QString::fromUtf8(reader.readAllStandardOutput());
}

class MakeWithEngine : public ::testing::TestWithParam<std::string> {
protected:
    // The document --make writes for the stored fields, as FILE with `suffix`.
    QString make(const char *suffix)
    {
        storeOrderedFields();
        const QString path =
            testsupport::freshFolder(QStringLiteral("made")) + QStringLiteral("/resume.") + QLatin1String(suffix);
        const apptest::TerminalRun run = apptest::runInTerminal(
            {QStringLiteral("--make"), path}, {QStringLiteral("PARVOLIN_ENGINE=") + QString::fromStdString(GetParam())});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        return path;
    }
};

} // namespace

TEST_P(MakeWithEngine, DocReadsInOrderInLibreOffice)
{
    const QString path = make("doc");
    const LibreOfficePdf pdf(testsupport::contents(path));
    ASSERT_TRUE(pdf.failure().isEmpty()) << pdf.failure().toStdString();
    QString text;
    for (const PdfWord &word : pdf.words())
        text += word.text + QLatin1Char(' ');
    expectFieldsInOrder(text, "LibreOffice");
}

// The built-in engine passes once it writes binary Word 97 for .doc (it
// writes Rich Text Format until then).
TEST_P(MakeWithEngine, DocIsAWord97FileThatAntiwordAndCatdocRead)
{
    const QString path = make("doc");
    EXPECT_TRUE(testsupport::contents(path).startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"))
        << "a compound file, as Word 97 documents are";
    expectFieldsInOrder(readerText(QStringLiteral("antiword"), {path}), "antiword");
    expectFieldsInOrder(readerText(QStringLiteral("catdoc"), {path}), "catdoc");
}

// The built-in engine passes once it writes Office Open XML.
TEST_P(MakeWithEngine, DocxReadsInOrderInPandoc)
{
    const QString path = make("docx");
    expectFieldsInOrder(readerText(QStringLiteral("pandoc"), {QStringLiteral("-t"), QStringLiteral("plain"), path}),
                        "pandoc");
}

// The built-in engine passes once it writes PDF.
TEST_P(MakeWithEngine, PdfReadsInOrderInPdftotext)
{
    const QString path = make("pdf");
    expectFieldsInOrder(readerText(QStringLiteral("pdftotext"), {path, QStringLiteral("-")}), "pdftotext");
}

INSTANTIATE_TEST_SUITE_P(Engines, MakeWithEngine, ::testing::ValuesIn(testsupport::enginesUnderTest()),
                         [](const auto &info) { return info.param; });

TEST(Make, AFailedMakeLeavesTheOldFileAndPrintsTheProgramsReport)
{
    storeOrderedFields();
    const QString path = testsupport::freshFolder(QStringLiteral("made")) + QStringLiteral("/resume.doc");
    ASSERT_TRUE(testsupport::put(path, "the document made yesterday"));
    const apptest::TerminalRun run =
        apptest::runInTerminal({QStringLiteral("--make"), path}, {QStringLiteral("PARVOLIN_ENGINE=no-such-engine")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("in Quessary2021/08/31.Resume.GenerateResume at line 102")))
        << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("more steps failed after it"))) << run.err.toStdString();
    EXPECT_EQ(testsupport::contents(path), QByteArray("the document made yesterday"));
    const QStringList left = QDir(qEnvironmentVariable("TEMP")).entryList({QStringLiteral("parvolin-make-*")});
    EXPECT_TRUE(left.isEmpty()) << "no private folder is left in the temporary folder";
}

TEST(Make, BuildsWhatTheCreateButtonBuildsFromTheWindow)
{
    storeOrderedFields();
    // Line breaks of every kind, in a multi-line box and in a one-line box.
    shell::SettingsStore().write(QStringLiteral("Objective"), QStringLiteral("Tessellating\rlone CR\nlone LF"));
    shell::SettingsStore().write(QStringLiteral("Job Title 1"), QStringLiteral("Lampwright\r\nin a line box"));
    const QString folder = testsupport::freshFolder(QStringLiteral("made"));
    const QString made = folder + QStringLiteral("/made.rtf");
    const apptest::TerminalRun run = apptest::runInTerminal({QStringLiteral("--make"), made});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

    app::registerEngines();
    qunsetenv("PARVOLIN_ENGINE");
    entry::Form1 form1;
    form1.Form_Load();
    generator::GeneratedDocument fromWindow =
        generator::GenerateResume([&form1](const QString &name) { return form1.field(name)->text(); });
    ASSERT_TRUE(fromWindow.document);
    const QString fromWindowPath = folder + QStringLiteral("/window.rtf");
    fromWindow.document->saveAs(fromWindowPath);
    fromWindow.document->close();
    fromWindow.application->quit();
    EXPECT_EQ(testsupport::contents(made), testsupport::contents(fromWindowPath));
}
