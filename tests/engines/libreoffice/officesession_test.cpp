// The session checks with LibreOffice chosen: the start-up check passes
// without starting or waiting for an office, or gives the advice when none
// can start; a
// LibreOffice the user runs is warned about, and is left running whatever
// the answer.
#include "generator/engineregistry.h"
#include "generator/isinstalled.h"
#include "generator/resume.h"
#include "generator/wordrunning.h"
#include "officetrace.h"
#include "shell/programend.h"
#include "support/enginesundertest.h"
#include "support/scripteddialogs.h"
#include "support/testenvironment.h"
#include "automation/word/application.h"
#include "automation/word/document.h"

#include <QProcess>
#include <gtest/gtest.h>
#include <optional>

using namespace officetrace;

namespace {

class OfficeSession : public ::testing::Test {
protected:
    void SetUp() override
    {
        testsupport::enginesUnderTest();
        testsupport::selectEngine("libreoffice");
        shell::setProgramEndHandlerForTesting([this](int status) { m_endStatus = status; });
    }
    void TearDown() override
    {
        shell::setProgramEndHandlerForTesting({});
        qunsetenv("PARVOLIN_ENGINE");
    }

    testsupport::ScriptedDialogs m_dialogs;
    std::optional<int> m_endStatus;
};

// A LibreOffice started from outside the program, with a profile of its own:
// as a user starts one (not headless, though drawing nowhere here), or as a
// background conversion does (headless).
class OutsideOffice {
public:
    explicit OutsideOffice(bool headless)
        : m_profile(testsupport::freshFolder(QStringLiteral("outside-office")))
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("SAL_USE_VCLPLUGIN"), QStringLiteral("svp"));
        m_launcher.setProcessEnvironment(environment);
        m_launcher.start(QStringLiteral("soffice"), {headless ? QStringLiteral("--headless") : QStringLiteral("--invisible"),
                                                     QStringLiteral("--norestore"),
                                                     QStringLiteral("-env:UserInstallation=file://") + m_profile});
    }
    ~OutsideOffice()
    {
        for (const QString &pid : officeProcesses(m_profile))
            QProcess::execute(QStringLiteral("kill"), {QStringLiteral("-9"), pid});
        m_launcher.waitForFinished(5000);
    }
    bool isAlive() const
    {
        const QStringList pids = officeProcesses(m_profile);
        return std::any_of(pids.begin(), pids.end(), [](const QString &pid) {
            QFile name(QStringLiteral("/proc/%1/comm").arg(pid));
            return name.open(QIODevice::ReadOnly) && name.readAll().trimmed() == "soffice.bin";
        });
    }

private:
    QString m_profile;
    QProcess m_launcher;
};

QString anyText(const QString &name)
{
    return name + QStringLiteral(" text");
}

} // namespace

TEST_F(OfficeSession, AnInstalledOfficeIsCheckedSilentlyWithoutStartingOne)
{
    const QStringList offices = privateOffices();
    const QStringList folders = profileFolders();
    generator::CheckWordInstalled();
    EXPECT_TRUE(m_dialogs.messages().empty());
    EXPECT_FALSE(m_endStatus.has_value());
    EXPECT_EQ(profileFolders(), folders) << "the office starts in the background once the window shows";
    EXPECT_EQ(privateOffices(), offices);
}

TEST_F(OfficeSession, AnOfficeThatCannotStartGivesTheAdviceAndEndsTheProgram)
{
    // No profile folder can be made in a temporary folder that does not exist.
    const QByteArray temp = qgetenv("TEMP");
    qputenv("TEMP", QFile::encodeName(testsupport::privateRoot() + QStringLiteral("/no-such-folder")));
    generator::CheckWordInstalled();
    qputenv("TEMP", temp);
    ASSERT_EQ(m_dialogs.messages().size(), 1u);
    EXPECT_TRUE(m_dialogs.messages().front().text.startsWith(QLatin1String("Error 842001.")));
    EXPECT_TRUE(m_endStatus.has_value());
}

TEST_F(OfficeSession, TheUsersOwnOfficeIsWarnedAboutAndNeverTouched)
{
    {
        const auto ours = generator::createObject(QStringLiteral("Word.Application"));
        ours->documents()->add();
        EXPECT_FALSE(generator::IsWordRunning()) << "the program's own office is not the user's";
        ours->quit();
    }
    {
        const OutsideOffice background(true);
        ASSERT_TRUE(waitFor([&] { return background.isAlive(); }, 30000));
        EXPECT_FALSE(generator::IsWordRunning()) << "a headless background conversion is not the user's office";
    }

    const OutsideOffice users(false);
    ASSERT_TRUE(waitFor([&] { return users.isAlive(); }, 30000));
    EXPECT_TRUE(generator::IsWordRunning());

    const QStringList folders = profileFolders();
    m_dialogs.answerNext(shell::MessageAnswer::No);
    EXPECT_TRUE(generator::GenerateResume(anyText).stoppedEarly);
    EXPECT_EQ(m_dialogs.messages().size(), 1u) << "No stops without any further message";
    EXPECT_EQ(profileFolders(), folders) << "nothing was started";

    m_dialogs.clear();
    m_dialogs.answerNext(shell::MessageAnswer::Yes);
    const generator::GeneratedDocument result = generator::GenerateResume(anyText);
    ASSERT_TRUE(result.application && result.document);
    result.application->quit();
    EXPECT_EQ(m_dialogs.messages().size(), 1u) << m_dialogs.errorReports().join('\n').toStdString();
    EXPECT_EQ(privateOffices().size(), 1) << "the generator's instance used the program's one office";
    EXPECT_TRUE(users.isAlive()) << "the user's office is left running";
}

TEST_F(OfficeSession, AnOfficeKilledBetweenRunsIsReplacedForTheNextRunWithoutAReport)
{
    generator::createObject(QStringLiteral("Word.Application"))->documents()->add();
    const QStringList killed = privateOffices();
    ASSERT_EQ(killed.size(), 1);
    QProcess::execute(QStringLiteral("kill"), {QStringLiteral("-9"), killed.front()});
    ASSERT_TRUE(waitFor([] { return privateOffices().isEmpty(); }, 5000));

    m_dialogs.answerNext(shell::MessageAnswer::Yes);
    const generator::GeneratedDocument result = generator::GenerateResume(anyText);
    ASSERT_TRUE(result.application && result.document);
    result.application->quit();
    EXPECT_TRUE(m_dialogs.errorReports().isEmpty()) << m_dialogs.errorReports().join('\n').toStdString();
    const QStringList offices = privateOffices();
    EXPECT_EQ(offices.size(), 1);
    EXPECT_NE(offices, killed) << "a fresh office";
}
