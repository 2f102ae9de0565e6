// Print and PDF from the preview, on a resume made by the real generator and
// engine, checked with poppler's tools as a reader of the PDF would see it.
#include "form2fixture.h"
#include "support/widgets.h"
#include "generator/resume.h"
#include "preview/form2handover.h"
#include "shell/tempfolder.h"
#include "support/files.h"

#include <QApplication>
#include <QCoreApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {

QString objectiveLine(int n)
{
    return QStringLiteral("Objective line %1 of the long goal").arg(n);
}

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

class Form2PdfTest : public Form2Test {
protected:
    void SetUp() override
    {
        Form2Test::SetUp();
        testsupport::freshSettingsFolder();
        m_folder = testsupport::freshFolder(QStringLiteral("pdf"));
        m_form = std::make_unique<preview::Form2>();
        m_form->Form_Load();
        // An objective long enough to go over onto a second page.
        QStringList objective;
        for (int n = 1; n <= 70; ++n)
            objective << objectiveLine(n);
        preview::Form2HandOver handOver(*m_form, [] {}, [] {}, [] {});
        generator::GenerateResume(
            [&](const QString &name) {
                if (name == QLatin1String("txtYourName"))
                    return QStringLiteral("Zelda Quill");
                if (name == QLatin1String("txtObjective"))
                    return objective.join(QStringLiteral("\r\n"));
                if (name == QLatin1String("txtCompany1"))
                    return QStringLiteral("Harbour Lights Ltd");
                if (name == QLatin1String("txtExp1JobRes1"))
                    return QStringLiteral("Ran the night crossings");
                return QString();
            },
            handOver);
        ASSERT_TRUE(m_dialogs.errorReports().isEmpty()) << m_dialogs.errorReports().join(QLatin1Char('\n')).toStdString();
        QApplication::setActiveWindow(m_form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_form.get()));
    }
    void TearDown() override
    {
        m_form.reset();
        Form2Test::TearDown();
    }

    int previewPages() const { return m_form->listedPages(); }

    static int pdfPages(const QString &path)
    {
        const QRegularExpressionMatch pages =
            QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(run(QStringLiteral("pdfinfo"), {path}));
        return pages.hasMatch() ? pages.captured(1).toInt() : -1;
    }

    // The text of each page of the PDF.
    static QStringList pdfPageTexts(const QString &path)
    {
        QStringList pages = run(QStringLiteral("pdftotext"), {path, QStringLiteral("-")}).split(QLatin1Char('\f'));
        if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
            pages.removeLast();
        return pages;
    }

    std::unique_ptr<preview::Form2> m_form;
    QString m_folder;
};

} // namespace

TEST_F(Form2PdfTest, ExportAsPdfWritesThePreviewsPagesAsSearchableTextWithEmbeddedFonts)
{
    ASSERT_GE(previewPages(), 2);
    const QString target = m_folder + QStringLiteral("/resume.pdf");
    m_dialogs.chooseFileNext(target);
    chooseFromPageMenu(*m_form, "ExportPdfAction");
    ASSERT_TRUE(QFile::exists(target));
    EXPECT_TRUE(m_dialogs.messages().empty());
    EXPECT_EQ(pdfPages(target), previewPages());
    EXPECT_TRUE(pdfPageTexts(target).first().contains(QStringLiteral("Zelda Quill"))) << "bold text stays text too";
    const QStringList pages = pdfPageTexts(target);
    ASSERT_EQ(pages.size(), previewPages());
    // Every line of the objective once, in order, each on one line of its own,
    // "Objective" whole although its face joins "ti" into one glyph.
    const QString all = pages.join(QString());
    qsizetype from = 0;
    for (int n = 1; n <= 70; ++n) {
        const qsizetype at = all.indexOf(objectiveLine(n) + QLatin1Char('\n'), from);
        ASSERT_GE(at, from) << "line " << n;
        from = at + 1;
    }
    EXPECT_GT(all.indexOf(QStringLiteral("Harbour Lights Ltd")), all.indexOf(objectiveLine(70))) << "after the objective";
    const QStringList fonts = run(QStringLiteral("pdffonts"), {target}).split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2);
    ASSERT_FALSE(fonts.isEmpty());
    for (const QString &font : fonts)
        EXPECT_TRUE(font.contains(QRegularExpression(QStringLiteral("\\byes\\s+(yes|no)\\s+(yes|no)\\s+\\d+\\s+\\d+\\s*$"))))
            << font.toStdString();
}

TEST_F(Form2PdfTest, ThePdfIsTitledAfterThePersonAndItsBulletsReadAsBullets)
{
    QCoreApplication::setApplicationVersion(QStringLiteral("4.5.6"));
    m_form->setAuthorName(QStringLiteral("Zelda Quill"));
    const QString target = m_folder + QStringLiteral("/titled.pdf");
    m_dialogs.chooseFileNext(target);
    chooseFromPageMenu(*m_form, "ExportPdfAction");
    QCoreApplication::setApplicationVersion(QString());
    const QString info = run(QStringLiteral("pdfinfo"), {target});
    const auto field = [&](const char *name) {
        const QRegularExpressionMatch line =
            QRegularExpression(QStringLiteral("^%1:\\s+(.*)$").arg(QLatin1String(name)), QRegularExpression::MultilineOption)
                .match(info);
        return line.hasMatch() ? line.captured(1) : QString();
    };
    EXPECT_EQ(field("Title"), QStringLiteral("Zelda Quill \u2013 Resume"));
    EXPECT_EQ(field("Author"), QStringLiteral("Zelda Quill"));
    EXPECT_EQ(field("Creator"), QStringLiteral("Parvolin 4.5.6"));
    EXPECT_EQ(pdfPages(target), previewPages()) << "the update keeps every page";
    const QString text = pdfPageTexts(target).join(QString());
    const qsizetype duty = text.indexOf(QStringLiteral("Ran the night crossings"));
    ASSERT_GE(duty, 0);
    EXPECT_TRUE(text.left(duty).trimmed().endsWith(QChar(0x2022))) << text.mid(duty - 20, 40).toStdString();
    EXPECT_FALSE(text.contains(QChar(0xA7))) << "no bullet reads as the symbol font's code";
}

TEST_F(Form2PdfTest, CtrlPPrintsEveryPageOnThePrinterChosen)
{
    const QString printed = m_folder + QStringLiteral("/printed.pdf");
    m_dialogs.printToFileNext(printed);
    testsupport::child<QWidget>(*m_form, "PushButton6")->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(pdfPages(printed), previewPages());
    EXPECT_TRUE(pdfPageTexts(printed).join(QString()).contains(QStringLiteral("Harbour Lights Ltd")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier); // cancelled: nothing happens
    EXPECT_TRUE(m_dialogs.messages().empty());
}

TEST_F(Form2PdfTest, BadTargetsAreReportedAndLeaveNoFileBehind)
{
    QFile plain(m_folder + QStringLiteral("/plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    m_dialogs.chooseFileNext(m_folder + QStringLiteral("/plain/resume.pdf"));
    chooseFromPageMenu(*m_form, "ExportPdfAction");
    ASSERT_EQ(m_dialogs.errorReports().size(), 1);
    EXPECT_TRUE(m_dialogs.errorReports().first().contains(QStringLiteral("Form2.ExportPdf")));

    ASSERT_TRUE(QDir(m_folder).mkdir(QStringLiteral("adir")));
    m_dialogs.chooseFileNext(m_folder + QStringLiteral("/adir"));
    m_dialogs.answerNext(shell::MessageAnswer::Yes);
    chooseFromPageMenu(*m_form, "ExportPdfAction");
    EXPECT_EQ(m_dialogs.errorReports().size(), 2);
    EXPECT_TRUE(QFileInfo(m_folder + QStringLiteral("/adir")).isDir());

    // A document that cannot be read fails before the user's file is touched.
    QFile kept(m_folder + QStringLiteral("/kept.pdf"));
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
    kept.write("old");
    kept.close();
    m_form->setWordFile(m_folder + QStringLiteral("/gone.doc"));
    m_dialogs.chooseFileNext(kept.fileName());
    m_dialogs.answerNext(shell::MessageAnswer::Yes);
    chooseFromPageMenu(*m_form, "ExportPdfAction");
    EXPECT_EQ(m_dialogs.errorReports().size(), 3);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("old"));
    EXPECT_EQ(QDir(m_folder).entryList(QDir::Files | QDir::Hidden | QDir::System),
              (QStringList{QStringLiteral("kept.pdf"), QStringLiteral("plain")}))
        << "no half-written file anywhere";
}

TEST_F(Form2PdfTest, ExportAsWordDocumentWritesADocxThatPandocReadsAndAsksBeforeReplacing)
{
    auto *menu = testsupport::child<QMenu>(*m_form, "PageMenu");
    ASSERT_FALSE(menu->actions().isEmpty());
    EXPECT_EQ(menu->actions().last()->text(), QStringLiteral("Export as Word Document (.docx)\u2026"));
    const QString target = m_folder + QStringLiteral("/resume.docx");
    m_dialogs.chooseFileNext(target);
    chooseFromPageMenu(*m_form, "ExportDocxAction");
    EXPECT_TRUE(m_dialogs.errorReports().isEmpty()) << m_dialogs.errorReports().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(m_dialogs.saveDialogs().last(),
              QStringLiteral("Export as Word Document\nWord Documents (*.docx)|*.docx"));
    const QString text = run(QStringLiteral("pandoc"), {QStringLiteral("-t"), QStringLiteral("plain"), target});
    EXPECT_TRUE(text.contains(QStringLiteral("Zelda Quill"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Harbour Lights Ltd"))) << text.toStdString();

    ASSERT_TRUE(testsupport::put(target, "old"));
    m_dialogs.chooseFileNext(target);
    m_dialogs.answerNext(shell::MessageAnswer::No);
    chooseFromPageMenu(*m_form, "ExportDocxAction");
    EXPECT_EQ(m_dialogs.saveFolders().last(), m_folder) << "it opens where the last export went";
    ASSERT_EQ(m_dialogs.messages().size(), 1u);
    EXPECT_EQ(m_dialogs.messages().front().text,
              QStringLiteral("Are you sure you wish to overwrite ") + target + QStringLiteral(" ?"));
    EXPECT_EQ(testsupport::contents(target), QByteArray("old"));
}

TEST_F(Form2PdfTest, AFailedWordExportIsReportedAndLeavesNothingBehind)
{
    const QString temporary = shell::temporaryFolder();
    const auto leftovers = [&] {
        return QDir(temporary).entryList({QStringLiteral("parvolin-*.docx")}, QDir::Files | QDir::Hidden);
    };
    m_dialogs.chooseFileNext(m_folder + QStringLiteral("/missing/resume.docx"));
    chooseFromPageMenu(*m_form, "ExportDocxAction");
    ASSERT_EQ(m_dialogs.errorReports().size(), 1);
    EXPECT_TRUE(m_dialogs.errorReports().first().contains(QStringLiteral("Form2.ExportDocx")));
    EXPECT_EQ(QDir(m_folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());

    // A document that cannot be read fails before the user's file is touched.
    const QString kept = m_folder + QStringLiteral("/kept.docx");
    ASSERT_TRUE(testsupport::put(kept, "old"));
    m_form->setWordFile(m_folder + QStringLiteral("/gone.doc"));
    m_dialogs.chooseFileNext(kept);
    m_dialogs.answerNext(shell::MessageAnswer::Yes);
    chooseFromPageMenu(*m_form, "ExportDocxAction");
    EXPECT_EQ(m_dialogs.errorReports().size(), 2);
    EXPECT_EQ(testsupport::contents(kept), QByteArray("old"));
    EXPECT_EQ(QDir(m_folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{QStringLiteral("kept.docx")});
    EXPECT_EQ(leftovers(), QStringList()) << "the temporary copy is gone too";
}
