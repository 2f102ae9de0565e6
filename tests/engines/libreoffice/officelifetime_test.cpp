// One private office serves every application instance of a program run:
// quit and destruction close only what an instance opened, an office that
// died is replaced for the next instance, and the program ending abruptly
// mid-run (even by SIGKILL) leaves no process and no profile folder behind.
#include "engines/libreoffice/libreofficeengine.h"
#include "officetrace.h"
#include "support/testenvironment.h"
#include "automation/word/application.h"
#include "automation/word/document.h"
#include "automation/word/engine.h"
#include "automation/word/selection.h"
#include "automation/failure.h"

#include <QCoreApplication>
#include <QProcess>
#include <csignal>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace officetrace;

namespace {

const char childVariable[] = "PARVOLIN_OFFICE_CHILD";
const char hungChildVariable[] = "PARVOLIN_OFFICE_HUNG_CHILD";

struct ChildRun {
    QString output;
    // The child's own temporary folder, where its office had its profile.
    QString temp;
};

// Runs one test of this program in a child process with `variable` set to
// `value` and a temporary folder of its own.
ChildRun runChild(const char *test, const char *variable, const QString &value,
                  const QStringList &extraEnvironment = {})
{
    ChildRun run{QString(), testsupport::freshFolder(QStringLiteral("office-child"))};
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QLatin1String(variable), value);
    environment.insert(QStringLiteral("TEMP"), run.temp);
    for (const QString &setting : extraEnvironment)
        environment.insert(setting.section(QLatin1Char('='), 0, 0), setting.section(QLatin1Char('='), 1));
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=OfficeLifetime.") + QLatin1String(test)});
    EXPECT_TRUE(child.waitForFinished(120000));
    run.output = QString::fromLocal8Bit(child.readAllStandardOutput());
    return run;
}

// Nothing at all: a killed office once left its own temporary files beside the profile.
bool nothingLeftIn(const QString &temp)
{
    return QDir(temp).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden) && privateOffices(temp).isEmpty();
}

void killPrivateOffices()
{
    for (const QString &pid : privateOffices())
        QProcess::execute(QStringLiteral("kill"), {QStringLiteral("-9"), pid});
}

} // namespace

TEST(OfficeLifetime, QuitClosesOnlyItsOwnDocumentsAndEveryInstanceSharesOneOffice)
{
    const auto engine = engines::libreoffice::engine();
    auto kept = engine->create();
    auto keptDocument = kept->documents()->add();
    const QStringList offices = privateOffices();
    ASSERT_EQ(offices.size(), 1);
    for (int run = 0; run < 3; ++run) {
        auto quitting = engine->create();
        quitting->documents()->add()->activeWindowSelection()->typeText(QStringLiteral("Run"));
        quitting->quit();
        EXPECT_THROW(quitting->documents(), automation::Failure) << "an instance that quit cannot be used";
        // Dropped without quit, as a failed run leaves an instance.
        engine->create()->documents()->add();
    }
    EXPECT_EQ(privateOffices(), offices) << "one office for every instance";
    EXPECT_EQ(profileFolders().size(), 1);
    keptDocument->activeWindowSelection()->typeText(QStringLiteral("Still open"));
    EXPECT_NO_THROW(keptDocument->pagePicture(1, 72)) << "another instance's quit left this document open";
    kept->quit();
    EXPECT_EQ(privateOffices(), offices) << "quit leaves the office for the next instance";
}

// Run only as the child of the next test: starts an office, says where its
// profile is, and ends the process at once, as closing the data-entry window
// does, or is killed.
TEST(OfficeLifetime, ChildEndingAbruptly)
{
    const QString how = qEnvironmentVariable(childVariable);
    if (how.isEmpty())
        GTEST_SKIP() << "only run by ProgramEndingMidRunLeavesNothing";
    const auto application = engines::libreoffice::engine()->create();
    application->documents()->add();
    std::printf("profile=%s\n", qPrintable(profileFolders().join(QLatin1Char(' '))));
    std::fflush(stdout);
    if (how == QLatin1String("kill"))
        std::raise(SIGKILL);
    std::_Exit(0);
}

TEST(OfficeLifetime, ProgramEndingMidRunLeavesNothing)
{
    for (const char *how : {"exit", "kill"}) {
        const ChildRun run = runChild("ChildEndingAbruptly", childVariable, QLatin1String(how));
        ASSERT_TRUE(run.output.contains(QLatin1String("profile=parvolin-libreoffice-"))) << run.output.toStdString();
        EXPECT_TRUE(waitFor([&] { return nothingLeftIn(run.temp); }, 10000))
            << how << " left behind: " << QDir(run.temp).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).join(' ').toStdString() << " "
            << privateOffices(run.temp).join(' ').toStdString();
    }
}

TEST(OfficeLifetime, AnOfficeThatDiesMidRunGivesReportsAndAFreshOfficeForTheNextRun)
{
    const auto engine = engines::libreoffice::engine();
    auto application = engine->create();
    auto document = application->documents()->add();
    const QStringList died = privateOffices();
    const QStringList diedFolders = profileFolders();
    killPrivateOffices();
    ASSERT_TRUE(waitFor([] { return privateOffices().isEmpty(); }, 5000));
    EXPECT_THROW(document->saveAs(temporaryFolder() + QStringLiteral("/lost.doc")), automation::Failure);
    EXPECT_THROW(application->documents(), automation::Failure) << "the instance stays with the office that died";
    EXPECT_THROW(application->quit(), automation::Failure);
    application.reset();

    auto next = engine->create();
    next->documents()->add()->activeWindowSelection()->typeText(QStringLiteral("Next run"));
    next->quit();
    const QStringList offices = privateOffices();
    EXPECT_EQ(offices.size(), 1);
    EXPECT_NE(offices, died) << "a fresh office";
    EXPECT_TRUE(waitFor([&] { return profileFolders().size() == 1 && profileFolders() != diedFolders; }, 5000))
        << "the dead office's profile is removed";
}

// Run only as the child of the next test, with a call limit of two seconds:
// the office stops answering (it is stopped, not ended) in the middle of a run.
TEST(OfficeLifetime, ChildWithAStoppedOffice)
{
    if (qEnvironmentVariableIsEmpty(hungChildVariable))
        GTEST_SKIP() << "only run by AnOfficeThatStopsAnsweringIsEndedAndReported";
    auto application = engines::libreoffice::engine()->create();
    auto document = application->documents()->add();
    for (const QString &pid : privateOffices())
        QProcess::execute(QStringLiteral("kill"), {QStringLiteral("-STOP"), pid});
    try {
        document->saveAs(temporaryFolder() + QStringLiteral("/never.doc"));
        std::printf("saved\n");
    } catch (const automation::Failure &failure) {
        std::printf("reported: %s\n", qPrintable(failure.description()));
    }
    std::fflush(stdout);
}

TEST(OfficeLifetime, AnOfficeThatStopsAnsweringIsEndedAndReported)
{
    const ChildRun run = runChild("ChildWithAStoppedOffice", hungChildVariable, QStringLiteral("1"),
                                  {QStringLiteral("PARVOLIN_OFFICE_CALL_LIMIT_MS=2000")});
    EXPECT_TRUE(run.output.contains(QLatin1String("reported: LibreOffice could not save"))) << run.output.toStdString();
    EXPECT_TRUE(waitFor([&] { return nothingLeftIn(run.temp); }, 10000));
}
