#include "generator/engineregistry.h"
#include "generator/isinstalled.h"
#include "generator/wordrunning.h"
#include "shell/programend.h"
#include "support/scripteddialogs.h"
#include "automation/word/application.h"
#include "automation/word/engine.h"
#include "automation/failure.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

// An instance that can only say its name and quit, counting both.
class NamedApplication : public word::Application {
public:
    NamedApplication(QString name, int *quits) : m_name(std::move(name)), m_quits(quits) {}
    QString name() const override { return m_name; }
    std::shared_ptr<word::Documents> documents() override { throw automation::Failure(QStringLiteral("none")); }
    std::shared_ptr<word::Document> activeDocument() override { throw automation::Failure(QStringLiteral("none")); }
    std::shared_ptr<word::Selection> selection() override { throw automation::Failure(QStringLiteral("none")); }
    double inchesToPoints(double inches) const override { return inches * 72; }
    void setDisplayAlerts(bool) override {}
    void quit() override { ++*m_quits; }

private:
    QString m_name;
    int *m_quits;
};

// An engine whose creation and running instance the test decides.
class ScriptedEngine : public word::Engine {
public:
    bool canCreate = true;
    std::optional<QString> runningName; // the name a running instance answers with
    int created = 0;
    int quits = 0;

    QString knownName() const override { return QStringLiteral("Microsoft Word"); }
    std::shared_ptr<word::Application> create() override
    {
        if (!canCreate)
            throw automation::Failure(QStringLiteral("ActiveX component can't create object"));
        ++created;
        return std::make_shared<NamedApplication>(knownName(), &quits);
    }
    std::shared_ptr<word::Application> attachRunning() override
    {
        if (!runningName)
            throw automation::Failure(QStringLiteral("no running instance"));
        return std::make_shared<NamedApplication>(*runningName, &quits);
    }
};

class WordSessionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        generator::EngineRegistry::add(QStringLiteral("scripted"), m_engine);
        qputenv("PARVOLIN_ENGINE", "scripted");
        shell::setProgramEndHandlerForTesting([this](int status) { m_endStatus = status; });
    }
    void TearDown() override
    {
        shell::setProgramEndHandlerForTesting({});
        generator::EngineRegistry::remove(QStringLiteral("scripted"));
        qunsetenv("PARVOLIN_ENGINE");
    }

    std::shared_ptr<ScriptedEngine> m_engine = std::make_shared<ScriptedEngine>();
    testsupport::ScriptedDialogs m_dialogs;
    std::optional<int> m_endStatus;
};

} // namespace

TEST_F(WordSessionTest, AnInstalledWordIsStartedAndQuitSilently)
{
    generator::CheckWordInstalled();
    EXPECT_EQ(m_engine->created, 1);
    EXPECT_EQ(m_engine->quits, 1);
    EXPECT_TRUE(m_dialogs.messages().empty());
    EXPECT_FALSE(m_endStatus.has_value());
}

TEST_F(WordSessionTest, NoWordGivesTheAdviceOnceAndEndsTheProgram)
{
    m_engine->canCreate = false;
    generator::CheckWordInstalled();
    ASSERT_EQ(m_dialogs.messages().size(), 1u);
    const QString expected = QStringLiteral(
        "Error 842001. A normal instance of Word could not be created.\r\n\r\n"
        "1. Please make sure Word is installed on this computer.\r\n\r\n"
        "2. Please open Word normally and make sure a blank document opens immediately without any interrupting "
        "window (such as an Word file recovery window).\r\n\r\n"
        "3. Please make sure that when you double-click on a DOC or DOCX file that Word opens normally without "
        "any interrupting messages.\r\n\r\n"
        "4. All versions of Word are supported by this software except for the rare Word Starter and Student "
        "editions.");
    EXPECT_EQ(m_dialogs.messages().front().text, expected);
    ASSERT_TRUE(m_endStatus.has_value());
    EXPECT_NE(*m_endStatus, 0);
}

TEST_F(WordSessionTest, AnUnknownEngineCountsAsNoWord)
{
    qputenv("PARVOLIN_ENGINE", "nowhere");
    generator::CheckWordInstalled();
    EXPECT_EQ(m_dialogs.messages().size(), 1u);
    EXPECT_TRUE(m_endStatus.has_value());
    EXPECT_FALSE(generator::IsWordRunning());
}

TEST_F(WordSessionTest, NothingRunningMeansNoWarning)
{
    EXPECT_FALSE(generator::IsWordRunning());
    EXPECT_FALSE(generator::WarnIfWordRunning());
    EXPECT_TRUE(m_dialogs.messages().empty());
}

TEST_F(WordSessionTest, ARunningWordIsWarnedAboutAndNoStops)
{
    m_engine->runningName = QStringLiteral("Microsoft Word");
    m_dialogs.answerNext(shell::MessageAnswer::No);
    EXPECT_TRUE(generator::WarnIfWordRunning());
    ASSERT_EQ(m_dialogs.messages().size(), 1u);
    const auto &warning = m_dialogs.messages().front();
    EXPECT_EQ(warning.caption, QStringLiteral("Parvolin"));
    EXPECT_EQ(warning.buttons, shell::MessageButtons::YesNo);
    EXPECT_EQ(warning.icon, shell::MessageIcon::None);
    EXPECT_EQ(warning.text, QStringLiteral("Word may be open. It is recommended that you close Word first. Use "
                                           "Ctrl+Alt+Del > Task Manager > WINWORD.EXE if necessary.\r\n\r\n"
                                           "Would you like to proceed anyway?"));
    EXPECT_EQ(m_engine->quits, 0) << "the running instance is left untouched";
}

TEST_F(WordSessionTest, YesGoesOn)
{
    m_engine->runningName = QStringLiteral("Microsoft Word");
    m_dialogs.answerNext(shell::MessageAnswer::Yes);
    EXPECT_FALSE(generator::WarnIfWordRunning());
}

TEST_F(WordSessionTest, ARunningInstanceAnsweringAnotherNameIsNotWord)
{
    for (const char *name : {"microsoft word", "Microsoft Word ", "Other Writer"}) {
        m_engine->runningName = QString::fromLatin1(name);
        EXPECT_FALSE(generator::IsWordRunning()) << name;
    }
    EXPECT_TRUE(m_dialogs.messages().empty());
}

TEST(BuiltInSession, TheCheckLeavesNoInstanceRunningAndALiveOneIsFound)
{
    qunsetenv("PARVOLIN_ENGINE");
    testsupport::ScriptedDialogs dialogs;
    generator::CheckWordInstalled();
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_FALSE(generator::IsWordRunning()) << "the check quit its instance";

    auto instance = generator::createObject(QStringLiteral("Word.Application"));
    EXPECT_TRUE(generator::IsWordRunning());
    EXPECT_EQ(generator::getObject(QStringLiteral("Word.Application")), instance);
    instance->quit();
    EXPECT_FALSE(generator::IsWordRunning());
    EXPECT_THROW(generator::createObject(QStringLiteral("Excel.Application")), automation::Failure);
}
