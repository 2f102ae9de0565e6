#include "shell/apptitle.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

namespace {

TEST(AppTitle, ANameOfFortyCharactersOrFewerLosesItsLastWord)
{
    EXPECT_EQ(shell::titleFromProductName(QStringLiteral("Tarn Wick Editor")), QStringLiteral("Tarn Wick"));
    EXPECT_EQ(shell::titleFromProductName(QStringLiteral("Resume Maker")), QStringLiteral("Resume"));
}

TEST(AppTitle, ALongNameLosesWordsUntilFortyCharactersOrFewer)
{
    const QString name = QStringLiteral("Aaaaaaaaa Bbbbbbbbb Ccccccccc Ddddddddd Eeeeeeeee Fffffffff");
    ASSERT_EQ(name.size(), 59);
    EXPECT_EQ(shell::titleFromProductName(name), QStringLiteral("Aaaaaaaaa Bbbbbbbbb Ccccccccc Ddddddddd"));
}

TEST(AppTitle, ANameWithNothingToCutIsKeptWhole)
{
    EXPECT_EQ(shell::titleFromProductName(QStringLiteral("Parvolin")), QStringLiteral("Parvolin"));
    EXPECT_EQ(shell::titleFromProductName(QString()), QString());
    EXPECT_EQ(shell::titleFromProductName(QStringLiteral(" Parvolin")), QStringLiteral(" Parvolin"));
    const QString longWord(60, QLatin1Char('x'));
    EXPECT_EQ(shell::titleFromProductName(longWord), longWord);
}

TEST(AppTitle, ALongNameStopsShorteningWhenNothingIsLeftToCut)
{
    const QString name = QStringLiteral("Short ") + QString(50, QLatin1Char('y'));
    EXPECT_EQ(shell::titleFromProductName(name), QStringLiteral("Short"));
    const QString stuck = QString(45, QLatin1Char('z')) + QStringLiteral(" end");
    EXPECT_EQ(shell::titleFromProductName(stuck), QString(45, QLatin1Char('z')));
}

TEST(AppTitle, SetAppTitleMakesTheTitleFromTheProductName)
{
    // A title from before, so a SetAppTitle that keeps nothing is seen.
    shell::setAppTitleForTesting(QStringLiteral("Stale Title"));
    shell::SetAppTitle();
    EXPECT_EQ(shell::appTitle(), QStringLiteral("Parvolin"));
}

} // namespace
