// A private office lives exactly as long as its application instance: quit,
// destruction without quit, and the program ending abruptly mid-run each
// leave no process and no profile folder behind.
#include "engines/libreoffice/libreofficeengine.h"
#include "officetrace.h"
#include "automation/word/application.h"
#include "automation/word/document.h"
#include "automation/word/engine.h"
#include "automation/failure.h"

#include <QCoreApplication>
#include <QProcess>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace officetrace;

namespace {

const char childVariable[] = "PARVOLIN_OFFICE_CHILD";
const char hungChildVariable[] = "PARVOLIN_OFFICE_HUNG_CHILD";

// Runs one test of this program in a child process with `variable` set; its output.
QString runChild(const char *test, const char *variable, const QStringList &extraEnvironment = {})
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QLatin1String(variable), QStringLiteral("1"));
    for (const QString &setting : extraEnvironment)
        environment.insert(setting.section(QLatin1Char('='), 0, 0), setting.section(QLatin1Char('='), 1));
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=OfficeLifetime.") + QLatin1String(test)});
    EXPECT_TRUE(child.waitForFinished(120000));
    return QString::fromLocal8Bit(child.readAllStandardOutput());
}

bool nothingLeft()
{
    return profileFolders().isEmpty() && privateOffices().isEmpty();
}

} // namespace

TEST(OfficeLifetime, QuitEndsTheProcessAndRemovesTheProfile)
{
    auto application = engines::libreoffice::engine()->create();
    EXPECT_EQ(profileFolders().size(), 1);
    EXPECT_EQ(privateOffices().size(), 1);
    application->documents()->add();
    application->quit();
    EXPECT_TRUE(nothingLeft()) << profileFolders().join(' ').toStdString();
    EXPECT_THROW(application->documents(), automation::Failure) << "an instance that quit cannot be used";
}

TEST(OfficeLifetime, DroppingAnInstanceWithoutQuitEndsItToo)
{
    engines::libreoffice::engine()->create()->documents()->add();
    EXPECT_TRUE(nothingLeft()) << profileFolders().join(' ').toStdString();
}

// Run only as the child of the next test: starts an office, says where its
// profile is, and ends the process at once, as closing the data-entry window does.
TEST(OfficeLifetime, ChildEndingAbruptly)
{
    if (qEnvironmentVariableIsEmpty(childVariable))
        GTEST_SKIP() << "only run by ProgramEndingMidRunLeavesNothing";
    const auto application = engines::libreoffice::engine()->create();
    application->documents()->add();
    std::printf("profile=%s\n", qPrintable(profileFolders().join(QLatin1Char(' '))));
    std::fflush(stdout);
    std::_Exit(0);
}

TEST(OfficeLifetime, ProgramEndingMidRunLeavesNothing)
{
    const QString output = runChild("ChildEndingAbruptly", childVariable);
    ASSERT_TRUE(output.contains(QLatin1String("profile=parvolin-libreoffice-"))) << output.toStdString();
    EXPECT_TRUE(waitFor(nothingLeft, 10000)) << "left behind: " << profileFolders().join(' ').toStdString() << " "
                                             << privateOffices().join(' ').toStdString();
}

TEST(OfficeLifetime, AnOfficeThatDiesMidRunGivesReportsNotAHang)
{
    auto application = engines::libreoffice::engine()->create();
    auto document = application->documents()->add();
    for (const QString &pid : privateOffices())
        QProcess::execute(QStringLiteral("kill"), {QStringLiteral("-9"), pid});
    ASSERT_TRUE(waitFor([] { return privateOffices().isEmpty(); }, 5000));
    EXPECT_THROW(document->saveAs(temporaryFolder() + QStringLiteral("/lost.doc")), automation::Failure);
    EXPECT_THROW(application->quit(), automation::Failure);
    application.reset();
    EXPECT_TRUE(waitFor(nothingLeft, 5000));
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
    const QString output = runChild("ChildWithAStoppedOffice", hungChildVariable,
                                    {QStringLiteral("PARVOLIN_OFFICE_CALL_LIMIT_MS=2000")});
    EXPECT_TRUE(output.contains(QLatin1String("reported: LibreOffice could not save"))) << output.toStdString();
    EXPECT_TRUE(waitFor(nothingLeft, 10000));
}
