#include "desktoprun.h"
#include "shell/settingsstore.h"
#include "support/testenvironment.h"

TEST(RealProgram, TextTypedRightBeforeASigkillIsAllInTheStore)
{
    if (!haveDesktopTools())
        GTEST_SKIP() << "no X server tools";
    testsupport::freshSettingsFolder();
    // xdotool types characters outside ASCII by remapping a key on the fly, which
    // the program may read before the new mapping arrives; such text is covered
    // by the in-process store tests, and this one sticks to what a keyboard has.
    const QString typed = QStringLiteral("Zoe Odegard - Tokyo 42, 5th floor");
    ASSERT_TRUE(runOnDesktop(QStringLiteral("type_and_kill.sh"), {typed}));
    EXPECT_EQ(shell::SettingsStore().read(QStringLiteral("Your Name")), typed);
}
