#include "desktoprun.h"
#include "shell/settingsstore.h"
#include "support/testenvironment.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The stored "Your Name" in a copy of the settings file.
QString storedName(const QString &settingsCopy)
{
    const QString text = QString::fromUtf8(readAll(settingsCopy));
    const QRegularExpressionMatch line = QRegularExpression(QStringLiteral("^Your%20Name=(.*)$"),
                                                            QRegularExpression::MultilineOption)
                                             .match(text);
    return line.hasMatch() ? line.captured(1).trimmed() : QString();
}

// How wide the page's text is drawn in a picture of the preview window: the
// span of dark pixels across the viewport.
int drawnTextWidth(const QString &windowPicture)
{
    const QImage picture(windowPicture);
    const QRect viewport(10, 122, 616, 482);
    int left = viewport.right();
    int right = viewport.left();
    for (int y = viewport.top(); y <= viewport.bottom() && y < picture.height(); ++y)
        for (int x = viewport.left(); x <= viewport.right() && x < picture.width(); ++x)
            if (qGray(picture.pixel(x, y)) < 128) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    return right - left;
}

// The first row of the viewport in a picture of the preview window where the
// page shows anything dark.
int firstDarkRow(const QString &windowPicture)
{
    const QImage picture(windowPicture);
    const QRect viewport(10, 122, 616, 482);
    for (int y = viewport.top(); y <= viewport.bottom() && y < picture.height(); ++y)
        for (int x = viewport.left(); x <= viewport.right() && x < picture.width(); ++x)
            if (qGray(picture.pixel(x, y)) < 128)
                return y;
    return -1;
}

} // namespace

TEST(RealProgram, CreateSaveGoBackChangeCreateAgainAndClose)
{
    if (!haveDesktopTools())
        GTEST_SKIP() << "no X server tools";
    const DesktopRun run = runInFreshFolders(QStringLiteral("create_save_back.sh"));
    ASSERT_TRUE(run.finished);
    const QString &temp = run.temp;
    const QString &out = run.out;

    const QString events = QString::fromUtf8(readAll(out + QStringLiteral("/events.log")));
    EXPECT_FALSE(events.contains(QStringLiteral("error report"))) << events.toStdString();
    EXPECT_FALSE(events.contains(QStringLiteral("timed out"))) << events.toStdString();
    EXPECT_TRUE(events.endsWith(QStringLiteral("closed\n"))) << events.toStdString();

    EXPECT_FALSE(storedName(out + QStringLiteral("/after-sample.conf")).isEmpty()) << "Load Sample stores the sample";
    EXPECT_TRUE(storedName(out + QStringLiteral("/after-clear.conf")).isEmpty()) << "Clear empties the store";
    EXPECT_EQ(storedName(out + QStringLiteral("/after-undo.conf")), storedName(out + QStringLiteral("/after-sample.conf")))
        << "Ctrl+Z after Clear brings the record back, in the store too";
    const int atOne = drawnTextWidth(out + QStringLiteral("/zoom-1.00.png"));
    const int atOneAndAHalf = drawnTextWidth(out + QStringLiteral("/zoom-1.50.png"));
    const int atOneAndAQuarter = drawnTextWidth(out + QStringLiteral("/zoom-1.25.png"));
    EXPECT_GT(atOne, 100) << "the page shows its text";
    EXPECT_GT(atOneAndAHalf, atOneAndAQuarter) << "Zoom Out draws the page smaller";
    EXPECT_GT(atOneAndAQuarter, atOne) << "Zoom In draws the page larger";
    EXPECT_NEAR(drawnTextWidth(out + QStringLiteral("/ctrlwheel.png")), atOneAndAHalf, 2)
        << "Ctrl+wheel zooms in one step, as Zoom In does";
    const int topBeforeWheel = firstDarkRow(out + QStringLiteral("/ctrlwheel.png"));
    const int topAfterWheel = firstDarkRow(out + QStringLiteral("/wheel.png"));
    EXPECT_GT(topBeforeWheel, 0);
    EXPECT_LT(topAfterWheel, topBeforeWheel) << "the wheel scrolls the page up";
    const QByteArray pdf = readAll(out + QStringLiteral("/resume.pdf"));
    EXPECT_TRUE(pdf.startsWith("%PDF")) << "Export as PDF from the page's menu";
    EXPECT_TRUE(pdf.contains("/FontFile2") || pdf.contains("/FontFile")) << "with its fonts embedded";

    const QByteArray generated = readAll(out + QStringLiteral("/generated1.doc"));
    EXPECT_TRUE(generated.startsWith("{\\rtf1"));
    EXPECT_EQ(readAll(out + QStringLiteral("/My Resume")), generated) << "the saved copy is the document, byte for byte";
    EXPECT_TRUE(readAll(out + QStringLiteral("/generated2.doc")).contains("Changed Name"));
    EXPECT_EQ(shell::SettingsStore().read(QStringLiteral("Your Name")), QStringLiteral("Changed Name"));
    EXPECT_EQ(readAll(out + QStringLiteral("/exit-status")).trimmed(), QByteArray("0"));
    EXPECT_TRUE(QDir(temp).entryList(QDir::Files | QDir::Hidden | QDir::System).isEmpty())
        << "no temporary file is left behind: " << QDir(temp).entryList(QDir::Files).join(QLatin1Char(' ')).toStdString();
}
