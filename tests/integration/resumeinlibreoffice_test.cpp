// The sample resume as each engine saves it, read back by another program:
// every field's text comes back in the resume's reading order, on as many
// pages as the preview shows. The built-in engine's file is printed by
// LibreOffice; LibreOffice's own file must be a genuine Word 97 document,
// which antiword reads, and which prints on the pages its preview showed.
#include "entry/resumefields.h"
#include "entry/sampledata.h"
#include "generator/resume.h"
#include "libreofficepdf.h"
#include "support/enginesundertest.h"
#include "support/scripteddialogs.h"
#include "support/testenvironment.h"
#include "automation/word/application.h"
#include "automation/word/constants.h"
#include "automation/word/document.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace {

const QStringList sampleInReadingOrder = {
    QStringLiteral("1427 Alder Creek Road, Fairhaven, OR 97338"), QStringLiteral("541-555-0187"),
    QStringLiteral("m.castellane@example.com"), QStringLiteral("Marjorie L. Castellane"), QStringLiteral("Objective"),
    QStringLiteral("To lead a customer support team"), QStringLiteral("Experience"), QStringLiteral("March 2019"),
    QStringLiteral("Brightwater Analytics"), QStringLiteral("Eugene, OR"), QStringLiteral("Customer Support Supervisor"),
    QStringLiteral("Led a team of nine support specialists"), QStringLiteral("Cut average response time by a third"),
    QStringLiteral("Wrote the onboarding guide for new staff"), QStringLiteral("August 2015"),
    QStringLiteral("Cascade Office Supply"), QStringLiteral("Salem, OR"), QStringLiteral("Support Specialist"),
    QStringLiteral("Education"), QStringLiteral("2011 - 2015"), QStringLiteral("Willamette Valley College"),
    QStringLiteral("Corvallis, OR"), QStringLiteral("Bachelor of Arts in Communication"), QStringLiteral("None"),
    QStringLiteral("References"), QStringLiteral("None"),
};

struct SavedResume {
    QString path;
    int pages = 0;
};

// The sample resume generated with the selected engine, saved under `name`.
SavedResume saveSample(const QString &name)
{
    testsupport::ScriptedDialogs dialogs;
    // Another LibreOffice running on the machine is warned about; the run goes on.
    dialogs.answerNext(shell::MessageAnswer::Yes);
    auto result = generator::GenerateResume([](const QString &field) {
        const entry::ResumeField *found = entry::findResumeField(field);
        const int row = found ? static_cast<int>(found - entry::resumeFields().data()) : -1;
        return row < 0 ? QString() : entry::sampleValue(row);
    });
    EXPECT_TRUE(result.document);
    if (!result.document)
        return {};
    SavedResume saved{testsupport::freshFolder(QStringLiteral("saved")) + QLatin1Char('/') + name, 0};
    result.document->saveAs(saved.path);
    result.document->repaginate();
    saved.pages = result.document->builtInDocumentProperties(word::wdPropertyPages).toInt();
    result.application->quit();
    EXPECT_TRUE(dialogs.errorReports().isEmpty()) << dialogs.errorReports().join(QLatin1Char('\n')).toStdString();
    return saved;
}

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The PDF holds its words in drawing order; read them as a person does: page
// by page, line by line (one baseline within a point), left to right.
QString readAsPrinted(const LibreOfficePdf &pdf)
{
    std::vector<PdfWord> read = pdf.words();
    std::sort(read.begin(), read.end(), [](const PdfWord &a, const PdfWord &b) {
        if (a.page != b.page)
            return a.page < b.page;
        if (std::abs(a.baseline() - b.baseline()) > 1.0)
            return a.baseline() < b.baseline();
        return a.left < b.left;
    });
    QStringList words;
    for (const PdfWord &word : read)
        words << word.text;
    return words.join(QLatin1Char(' '));
}

void expectInOrder(const QString &text)
{
    qsizetype at = 0;
    for (const QString &piece : sampleInReadingOrder) {
        const qsizetype found = text.indexOf(piece, at);
        EXPECT_GE(found, 0) << "missing or out of order: " << piece.toStdString() << "\nin: " << text.toStdString();
        if (found >= 0)
            at = found + piece.size();
    }
}

void requireTool(const char *tool)
{
    if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty()) {
        if (!qEnvironmentVariableIsEmpty("CI"))
            FAIL() << tool << " is needed on CI";
        GTEST_SKIP() << "no " << tool;
    }
}

} // namespace

TEST(ResumeInLibreOffice, TheSampleResumeReadsInOrder)
{
    requireTool("soffice");
    qunsetenv("PARVOLIN_ENGINE");
    const SavedResume saved = saveSample(QStringLiteral("resume.doc"));
    QFile file(saved.path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const LibreOfficePdf pdf(file.readAll());
    ASSERT_TRUE(pdf.failure().isEmpty()) << pdf.failure().toStdString();
    EXPECT_EQ(pdf.pageCount(), saved.pages);
    expectInOrder(readAsPrinted(pdf));
}

#ifdef PARVOLIN_HAVE_LIBREOFFICE
TEST(ResumeFromLibreOffice, IsAWord97DocumentThatReadsInOrderOnThePagesPreviewed)
{
    requireTool("antiword");
    testsupport::enginesUnderTest();
    testsupport::selectEngine("libreoffice");
    const SavedResume saved = saveSample(QStringLiteral("resume.doc"));
    qunsetenv("PARVOLIN_ENGINE");
    ASSERT_FALSE(saved.path.isEmpty());
    EXPECT_TRUE(run(QStringLiteral("file"), {QStringLiteral("-b"), saved.path}).contains(QLatin1String("Composite Document File")));

    // antiword draws table rows between bars; only the words and their order matter here.
    QString text = run(QStringLiteral("antiword"), {QStringLiteral("-w"), QStringLiteral("0"), saved.path});
    text.replace(QRegularExpression(QStringLiteral("[|\\s]+")), QStringLiteral(" "));
    expectInOrder(text);

    // The saved file keeps the pages the preview was drawn from.
    QFile file(saved.path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const LibreOfficePdf pdf(file.readAll());
    ASSERT_TRUE(pdf.failure().isEmpty()) << pdf.failure().toStdString();
    EXPECT_EQ(pdf.pageCount(), saved.pages);
}
#endif

TEST(ResumeInLibreOffice, TheSampleResumeAsWordDocumentReadsInOrderOnThePreviewsPages)
{
    requireTool("soffice");
    requireTool("pandoc");
    qunsetenv("PARVOLIN_ENGINE");
    const SavedResume saved = saveSample(QStringLiteral("resume.docx"));
    QFile file(saved.path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("PK\x03\x04")) << "a zip package, as the name says";
    const LibreOfficePdf pdf(bytes, QStringLiteral("docx"));
    ASSERT_TRUE(pdf.failure().isEmpty()) << pdf.failure().toStdString();
    EXPECT_EQ(pdf.pageCount(), saved.pages);
    expectInOrder(readAsPrinted(pdf));

    // Wide enough that no table cell wraps, so each row reads left to right.
    QString text = run(QStringLiteral("pandoc"),
                       {QStringLiteral("-t"), QStringLiteral("plain"), QStringLiteral("--columns=100000"), saved.path});
    text.replace(QRegularExpression(QStringLiteral("[+=\\-]{3,}|\\||\\s+")), QStringLiteral(" "));
    expectInOrder(text);
}
