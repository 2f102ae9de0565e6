#include "shell/clipboardpicture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <gtest/gtest.h>

#include <stdexcept>

namespace {

QImage redSquare()
{
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::red);
    return picture;
}

TEST(ClipboardPicture, APictureOnTheClipboardIsReturned)
{
    QGuiApplication::clipboard()->setImage(redSquare());
    const QImage picture = shell::GetClipboardPicture(0);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(8, 8));
    EXPECT_EQ(picture.pixelColor(3, 3), QColor(Qt::red));
    EXPECT_FALSE(shell::GetClipboardPicture(8).isNull());
}

TEST(ClipboardPicture, NoPictureOnTheClipboardGivesANullImage)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("only text"));
    EXPECT_TRUE(shell::GetClipboardPicture(0).isNull());
    QGuiApplication::clipboard()->clear();
    EXPECT_TRUE(shell::GetClipboardPicture(0).isNull());
}

TEST(ClipboardPicture, AFormatThatIsNoPictureGivesANullImage)
{
    QGuiApplication::clipboard()->setImage(redSquare());
    EXPECT_TRUE(shell::GetClipboardPicture(1).isNull());
    EXPECT_TRUE(shell::GetClipboardPicture(-5).isNull());
}

TEST(ClipboardPicture, AttemptsStopAtTheFirstPicture)
{
    int attempts = 0;
    const QImage picture = shell::firstPicture([&] { return ++attempts == 3 ? redSquare() : QImage(); }, 1000);
    EXPECT_EQ(attempts, 3);
    EXPECT_FALSE(picture.isNull());
}

TEST(ClipboardPicture, AttemptsEndAfterTheLimitAndSurviveFailures)
{
    int attempts = 0;
    const QImage picture = shell::firstPicture([&]() -> QImage {
        if (++attempts % 2)
            throw std::runtime_error("clipboard busy");
        return QImage();
    }, 1000);
    EXPECT_EQ(attempts, 1000);
    EXPECT_TRUE(picture.isNull());
}

} // namespace
