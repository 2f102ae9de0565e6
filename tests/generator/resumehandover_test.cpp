// The generator's last steps: a fresh private name in the temporary folder,
// save, quit, and the hand-over to the preview in its order.
#include "generator/documentname.h"
#include "generator/previewhandover.h"
#include "generator/resume.h"
#include "recordingengine.h"
#include "shell/programend.h"
#include "support/scripteddialogs.h"
#include "support/testenvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <deque>
#include <gtest/gtest.h>

namespace {

// Digits the test chooses, in order; after them, 1s.
class ScriptedDigits : public generator::DocumentNameDigits {
public:
    explicit ScriptedDigits(const QString &digits)
    {
        for (const QChar digit : digits)
            m_digits.push_back(digit.digitValue());
    }
    void reseedFromClock() override { ++reseeds; }
    int draw() override
    {
        if (m_digits.empty())
            return 1;
        const int digit = m_digits.front();
        m_digits.pop_front();
        return digit;
    }
    int reseeds = 0;

private:
    std::deque<int> m_digits;
};

class RecordingHandOver : public generator::PreviewHandOver {
public:
    QStringList calls;
    int pages = 2;
    bool renderFails = false;

    void renderPages(const QString &path) override
    {
        calls << QStringLiteral("render ") + path;
        if (renderFails)
            throw std::runtime_error("the document cannot be opened");
    }
    void restoreDataEntryPointer() override { calls << QStringLiteral("arrow"); }
    int listedPages() const override { return pages; }
    void showFirstPage() override { calls << QStringLiteral("first page"); }
    void setWordFile(const QString &path) override { calls << QStringLiteral("word file ") + path; }
    void showPreview() override { calls << QStringLiteral("show preview"); }
    void hideDataEntry() override { calls << QStringLiteral("hide data entry"); }
};

class ResumeHandOverTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_temp = testsupport::freshFolder(QStringLiteral("handover"));
        m_savedTemp = qgetenv("TEMP");
        qputenv("TEMP", QFile::encodeName(m_temp));
    }
    void TearDown() override { qputenv("TEMP", m_savedTemp); }

    void generate(generator::DocumentNameDigits &digits)
    {
        generator::GenerateResume([](const QString &) { return QStringLiteral("x"); }, m_handOver, digits);
    }

    testsupport::RecordingEngineSelection m_selection;
    testsupport::ScriptedDialogs m_dialogs;
    RecordingHandOver m_handOver;
    QString m_temp;
    QByteArray m_savedTemp;
};

} // namespace

TEST_F(ResumeHandOverTest, SavesUnderAFreshNameQuitsAndHandsOverInOrder)
{
    ScriptedDigits digits(QStringLiteral("12345678"));
    generate(digits);
    const QString path = m_temp + QStringLiteral("/vandrel12345678.doc");
    EXPECT_EQ(digits.reseeds, 8) << "re-seeded before every digit";
    const QStringList actions = m_selection.engine().log().actions();
    ASSERT_GE(actions.size(), 4);
    EXPECT_EQ(actions.mid(actions.size() - 4),
              (QStringList{QStringLiteral("Document.SaveAs(\"") + path + QStringLiteral("\")"),
                           QStringLiteral("Application.DisplayAlerts = False"), QStringLiteral("Document.Close()"),
                           QStringLiteral("Application.Quit()")}));
    EXPECT_EQ(m_handOver.calls,
              (QStringList{QStringLiteral("render ") + path, QStringLiteral("arrow"), QStringLiteral("first page"),
                           QStringLiteral("word file ") + path, QStringLiteral("show preview"),
                           QStringLiteral("hide data entry")}));
    EXPECT_TRUE(m_dialogs.messages().empty());
    const QFileInfo claimed(path);
    EXPECT_TRUE(claimed.exists());
    EXPECT_EQ(claimed.permissions() & (QFileDevice::ReadOther | QFileDevice::ReadGroup), QFileDevice::Permissions())
        << "the claimed name is private to its user";
}

TEST_F(ResumeHandOverTest, ATakenNameOrAPlantedLinkIsReplacedByAWholeNewDraw)
{
    QFile taken(m_temp + QStringLiteral("/vandrel11111111.doc"));
    ASSERT_TRUE(taken.open(QIODevice::WriteOnly));
    taken.write("someone else's");
    taken.close();
    ASSERT_TRUE(QFile::link(m_temp + QStringLiteral("/elsewhere"), m_temp + QStringLiteral("/vandrel22222222.doc")));
    ScriptedDigits digits(QStringLiteral("11111111") + QStringLiteral("22222222") + QStringLiteral("98765432"));
    generate(digits);
    EXPECT_TRUE(m_handOver.calls.contains(QStringLiteral("word file ") + m_temp + QStringLiteral("/vandrel98765432.doc")));
    ASSERT_TRUE(taken.open(QIODevice::ReadOnly));
    EXPECT_EQ(taken.readAll(), QByteArray("someone else's"));
    EXPECT_FALSE(QFile::exists(m_temp + QStringLiteral("/elsewhere"))) << "the link was not written through";
}

TEST_F(ResumeHandOverTest, WithoutPagesThePreviewIsShownAllTheSame)
{
    m_handOver.pages = 0;
    ScriptedDigits digits(QStringLiteral("33333333"));
    generate(digits);
    EXPECT_FALSE(m_handOver.calls.contains(QStringLiteral("first page")));
    EXPECT_TRUE(m_handOver.calls.contains(QStringLiteral("show preview")));
}

TEST_F(ResumeHandOverTest, AFailedRenderingIsReportedAndThePreviewStillComes)
{
    m_handOver.renderFails = true;
    ScriptedDigits digits(QStringLiteral("44444444"));
    generate(digits);
    const QStringList reports = m_dialogs.errorReports();
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].startsWith(QStringLiteral("the document cannot be opened\r\n")));
    EXPECT_TRUE(reports[0].contains(QStringLiteral("in Quessary2021/08/31.Resume.GenerateResume at line 610")));
    EXPECT_TRUE(m_handOver.calls.contains(QStringLiteral("hide data entry")));
}

TEST_F(ResumeHandOverTest, AnUnusableTemporaryFolderIsReportedNotLoopedOn)
{
    QFile plain(m_temp + QStringLiteral("/plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    qputenv("TEMP", QFile::encodeName(plain.fileName()));
    ScriptedDigits digits(QStringLiteral("55555555"));
    generate(digits);
    const QStringList reports = m_dialogs.errorReports();
    ASSERT_FALSE(reports.isEmpty());
    EXPECT_TRUE(reports[0].contains(QStringLiteral("at line 596")));
    EXPECT_TRUE(m_handOver.calls.contains(QStringLiteral("show preview")));
}

TEST_F(ResumeHandOverTest, EveryGenerationDrawsANewNameOfTheRightForm)
{
    generator::DocumentNameDigits digits;
    generate(digits);
    generate(digits);
    QStringList paths;
    for (const QString &call : m_handOver.calls) {
        if (call.startsWith(QStringLiteral("word file ")))
            paths << call.mid(10);
    }
    ASSERT_EQ(paths.size(), 2);
    EXPECT_NE(paths[0], paths[1]);
    for (const QString &path : paths) {
        EXPECT_EQ(QFileInfo(path).absolutePath(), QFileInfo(m_temp).absoluteFilePath());
        EXPECT_TRUE(generator::isDocumentName(QFileInfo(path).fileName())) << path.toStdString();
    }
}

TEST(DocumentNameDigits, DrawsEachDigitFromOneToNine)
{
    generator::DocumentNameDigits digits;
    int seen[10] = {};
    for (int i = 0; i < 9000; ++i) {
        digits.reseedFromClock();
        const int digit = digits.draw();
        ASSERT_GE(digit, 1);
        ASSERT_LE(digit, 9);
        ++seen[digit];
    }
    for (int digit = 1; digit <= 9; ++digit)
        EXPECT_GT(seen[digit], 800) << digit;
}

TEST_F(ResumeHandOverTest, AFailedSaveLeavesNoEmptyDocumentAndHandsNoneOn)
{
    m_selection.engine().log().failAt(QStringLiteral("Document.SaveAs"));
    ScriptedDigits digits(QStringLiteral("66666666"));
    generate(digits);
    const QString path = m_temp + QStringLiteral("/vandrel66666666.doc");
    EXPECT_FALSE(QFile::exists(path)) << "the empty claim must not pass for a document";
    EXPECT_TRUE(m_handOver.calls.contains(QStringLiteral("word file "))) << m_handOver.calls.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(m_handOver.calls.contains(QStringLiteral("show preview")));
    const QStringList reports = m_dialogs.errorReports();
    ASSERT_FALSE(reports.isEmpty());
    EXPECT_TRUE(reports[0].contains(QStringLiteral("at line 598")));
}

TEST_F(ResumeHandOverTest, TheProgramEndingMidRunTakesTheGeneratedDocumentWithIt)
{
    shell::setProgramEndHandlerForTesting([](int) {});
    ScriptedDigits digits(QStringLiteral("77777777"));
    generate(digits);
    const QString path = m_temp + QStringLiteral("/vandrel77777777.doc");
    ASSERT_TRUE(QFile::exists(path));
    shell::endProgram(0); // the data-entry window closed while the pages were drawn
    shell::setProgramEndHandlerForTesting({});
    EXPECT_FALSE(QFile::exists(path));
}
