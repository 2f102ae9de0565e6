#include "shell/windowplacement.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

const QRect screen1280x1024(0, 0, 1280, 1024 - 40); // a panel at the bottom

} // namespace

TEST(WindowPlacement, AWindowThatFitsIsCentredWhereTheOtherWas)
{
    EXPECT_EQ(shell::centredWithin(QSize(660, 760), QPoint(640, 500), screen1280x1024), QPoint(310, 120));
}

TEST(WindowPlacement, AWindowOverAnEdgeIsMovedJustInside)
{
    // The data-entry window near the bottom-right corner: the taller preview
    // would hang off the screen below and to the right.
    EXPECT_EQ(shell::centredWithin(QSize(660, 760), QPoint(1200, 900), screen1280x1024), QPoint(620, 224));
    EXPECT_EQ(shell::centredWithin(QSize(660, 760), QPoint(10, 10), screen1280x1024), QPoint(0, 0));
    EXPECT_EQ(shell::centredWithin(QSize(660, 760), QPoint(640, 500), QRect(100, 30, 1180, 954)), QPoint(310, 120));
}

TEST(WindowPlacement, AWindowLargerThanTheScreenKeepsItsTitleBarOnIt)
{
    EXPECT_EQ(shell::centredWithin(QSize(660, 760), QPoint(400, 300), QRect(0, 24, 800, 576)), QPoint(70, 24));
}

TEST(WindowPlacement, APlacedWindowLiesWithinTheAvailableScreen)
{
    QWidget previous;
    previous.resize(540, 530);
    QWidget window;
    window.resize(300, 200);
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    previous.move(available.right() - 100, available.bottom() - 100);
    shell::placeWhere(window, previous);
    EXPECT_TRUE(available.contains(window.frameGeometry())) << "at " << window.x() << "," << window.y();
    previous.move(available.center() - QPoint(270, 265));
    shell::placeWhere(window, previous);
    EXPECT_LE((window.frameGeometry().center() - previous.frameGeometry().center()).manhattanLength(), 2);
}

TEST(WindowPlacement, TakingEachOthersPlaceAgainAndAgainDoesNotMoveTheWindows)
{
    QWidget dataEntry;
    dataEntry.resize(536, 526);
    QWidget preview;
    preview.resize(656, 530);
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    dataEntry.move(available.center() - QPoint(268, 263));
    const QPoint start = dataEntry.pos();
    shell::placeWhere(preview, dataEntry);
    const QPoint previewStart = preview.pos();
    for (int cycle = 0; cycle < 5; ++cycle) {
        shell::placeWhere(dataEntry, preview); // "< Back"
        shell::placeWhere(preview, dataEntry); // create again
    }
    EXPECT_EQ(dataEntry.pos(), start);
    EXPECT_EQ(preview.pos(), previewStart);
}
