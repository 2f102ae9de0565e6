#include "shell/settingsstore.h"
#include "support/testenvironment.h"

#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

// True when the tools to run a real window are here; on CI they must be.
bool haveDesktopTools()
{
    const bool found = !QStandardPaths::findExecutable(QStringLiteral("xvfb-run")).isEmpty()
                       && !QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty()
                       && !QStandardPaths::findExecutable(QStringLiteral("xwininfo")).isEmpty();
    if (!found && !qEnvironmentVariableIsEmpty("CI"))
        ADD_FAILURE() << "xvfb-run, xdotool and xwininfo are needed on CI";
    return found;
}

} // namespace

TEST(RealProgram, TextTypedRightBeforeASigkillIsAllInTheStore)
{
    if (!haveDesktopTools())
        GTEST_SKIP() << "no X server tools";
    testsupport::freshSettingsFolder();
    // xdotool types upper-case letters outside ASCII in lower case, so there are none here.
    const QString typed = QStringLiteral("Zoë ødegård — Tokyo 42");

    QProcess run;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    run.setProcessEnvironment(environment);
    run.start(QStringLiteral("xvfb-run"),
              {QStringLiteral("-a"), QStringLiteral("-s"), QStringLiteral("-screen 0 1024x768x24"),
               QStringLiteral("bash"), QStringLiteral(PARVOLIN_APP_SCRIPTS "/type_and_kill.sh"),
               QStringLiteral(PARVOLIN_BINARY), typed});
    ASSERT_TRUE(run.waitForFinished(60000)) << "the run did not finish";
    ASSERT_EQ(run.exitCode(), 0) << run.readAllStandardError().constData();

    EXPECT_EQ(shell::SettingsStore().read(QStringLiteral("Your Name")), typed);
}
