#include "desktoprun.h"
#include "shell/settingsstore.h"
#include "support/testenvironment.h"

TEST(RealProgram, TextTypedRightBeforeASigkillIsAllInTheStore)
{
    if (!haveDesktopTools())
        GTEST_SKIP() << "no X server tools";
    testsupport::freshSettingsFolder();
    // xdotool types upper-case letters outside ASCII in lower case, so there are none here.
    const QString typed = QStringLiteral("Zoë ødegård — Tokyo 42");
    ASSERT_TRUE(runOnDesktop(QStringLiteral("type_and_kill.sh"), {typed}));
    EXPECT_EQ(shell::SettingsStore().read(QStringLiteral("Your Name")), typed);
}
