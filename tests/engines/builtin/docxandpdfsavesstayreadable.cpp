// The .docx the engine writes stays a file other programs read whatever text
// it holds, and a PDF save is the layout itself, leaving the document's own
// file alone.
#include "builtinengine.h"
#include "sampledocument.h"
#include "support/testenvironment.h"

#include "automation/word/constants.h"
#include "automation/word/engine.h"
#include "automation/word/selection.h"
#include "objects/builtindocument.h"
#include "objects/documentstate.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QStringLiteral("<%1 failed: %2>").arg(program, QString::fromLocal8Bit(process.readAllStandardError()));
    return QString::fromUtf8(process.readAllStandardOutput());
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The first of `texts` missing from `all` in that order, or an empty text.
QString firstOutOfOrder(const QStringList &texts, QString all)
{
    all.replace(QLatin1Char('\n'), QLatin1Char(' '));
    qsizetype from = 0;
    for (const QString &text : texts) {
        const qsizetype at = all.indexOf(text, from);
        if (at < 0)
            return text;
        from = at + text.size();
    }
    return QString();
}

// What goes wrong reading each XML part of the package at `path`, or an empty text.
QString xmlProblems(const QString &path)
{
    const QString folder = path + QStringLiteral(".parts");
    const QString unzipped = run(QStringLiteral("unzip"), {QStringLiteral("-q"), QStringLiteral("-d"), folder, path});
    if (unzipped.startsWith(QLatin1Char('<')))
        return unzipped;
    QString problems;
    int parts = 0;
    for (QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext(); ++parts) {
        const QString part = it.next();
        QXmlStreamReader reader(readFile(part));
        while (!reader.atEnd())
            reader.readNext();
        if (reader.hasError())
            problems += part + QStringLiteral(": ") + reader.errorString() + QLatin1Char('\n');
    }
    return parts < 10 ? QStringLiteral("only %1 parts").arg(parts) : problems;
}

// The text of a PDF in the order it was drawn, which is the document's order
// whatever the columns of its table.
QString pdfText(const QString &path)
{
    return run(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), path, QStringLiteral("-")});
}

// The text pandoc finds, each table row on one line.
QString pandocText(const QString &path)
{
    return run(QStringLiteral("pandoc"), {QStringLiteral("-t"), QStringLiteral("plain"), QStringLiteral("--columns=100000"), path});
}

class DocxAndPdfSaves : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder = testsupport::freshFolder(QStringLiteral("docx"));
        m_application = engine::builtInEngine()->create();
    }
    void TearDown() override { m_application->quit(); }

    QString m_folder;
    std::shared_ptr<word::Application> m_application;
};

} // namespace

TEST_F(DocxAndPdfSaves, TextNoXmlCanHoldStillGivesAWellFormedFile)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pandoc")).isEmpty())
        GTEST_SKIP() << "pandoc is not installed";
    auto document = m_application->documents()->add();
    auto selection = document->activeWindowSelection();
    selection->typeText(QStringLiteral("a<b & c]]>d \"q\" 'p'"));
    selection->typeText(QString::fromUtf16(u"\x01\x08\x0B\x0C\x1F\uFFFE\uFFFF") + QChar(0xD800) + QStringLiteral("end"));
    // A lone surrogate straight in the story, as a damaged file could leave one.
    auto *builtIn = dynamic_cast<engine::BuiltInDocument *>(document.get());
    ASSERT_TRUE(builtIn);
    engine::StoryPosition lone;
    lone.character = 0xDC00;
    builtIn->state()->changeModel().story.insert(0, {lone});
    const QString path = m_folder + QStringLiteral("/hostile.docx");
    document->saveAs(path);
    EXPECT_TRUE(readFile(path).startsWith("PK\x03\x04")) << "the name's extension chooses the format";
    EXPECT_EQ(xmlProblems(path), QString());
    const QString text = pandocText(path);
    EXPECT_TRUE(text.contains(QStringLiteral("a<b & c]]>d \"q\" 'p'"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("end"))) << text.toStdString();
}

TEST_F(DocxAndPdfSaves, PdfSaveIsTheLayoutAndLeavesTheDocumentsOwnFileAlone)
{
    auto document = SampleDocument(*m_application).buildResume();
    const QString own = m_folder + QStringLiteral("/resume.doc");
    document->saveAs(own);
    document->activeWindowSelection()->typeText(QStringLiteral("unsaved"));
    const QString pdf = m_folder + QStringLiteral("/resume.pdf");
    document->saveAs(pdf, word::wdFormatPDF);
    auto *builtIn = dynamic_cast<engine::BuiltInDocument *>(document.get());
    ASSERT_TRUE(builtIn);
    EXPECT_EQ(builtIn->state()->path(), own);
    EXPECT_TRUE(builtIn->state()->modified()) << "an export saves no changes";
    const QString text = pdfText(pdf);
    EXPECT_EQ(firstOutOfOrder(SampleDocument::resumeTexts(), text), QString()) << text.toStdString();
    EXPECT_TRUE(run(QStringLiteral("pdfinfo"), {pdf}).contains(
        QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(document->builtInDocumentProperties(word::wdPropertyPages).toInt()))));
}
