#include "desktoprun.h"
#include "shell/settingsstore.h"
#include "support/enginesundertest.h"
#include "support/testenvironment.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
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


bool isLibreOffice(const std::string &engine)
{
    return engine == "libreoffice";
}

// The document's text: the built-in engine saves Rich Text Format, which is
// text already; LibreOffice saves binary Word 97, which antiword reads.
QByteArray documentText(const std::string &, const QString &path)
{
    QProcess antiword;
    antiword.start(QStringLiteral("antiword"), {path});
    antiword.waitForFinished(60000);
    return antiword.readAllStandardOutput();
}

class RealProgramWithEngine : public ::testing::TestWithParam<std::string> {};

} // namespace

TEST_P(RealProgramWithEngine, CreateSaveGoBackChangeCreateAgainAndClose)
{
    const std::string engine = GetParam();
    if (!haveDesktopTools())
        GTEST_SKIP() << "no X server tools";
    testsupport::selectEngine(engine);
    // A window may take a while when the machine is busy or the engine is a
    // word processor of its own.
    qputenv("PARVOLIN_WAIT_TENTHS", "600");
    // LibreOffice draws a zoomed page from its own PDF of the kept document,
    // which takes a moment longer than the built-in engine.
    qputenv("PARVOLIN_SETTLE_SECONDS", isLibreOffice(engine) ? "1" : "0");
    const DesktopRun run = runInFreshFolders(QStringLiteral("create_save_back.sh"), isLibreOffice(engine) ? 300000 : 120000);
    qunsetenv("PARVOLIN_ENGINE");
    qunsetenv("PARVOLIN_WAIT_TENTHS");
    qunsetenv("PARVOLIN_SETTLE_SECONDS");
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
    // LibreOffice's pages come as pictures; the built-in engine draws text.
    if (!isLibreOffice(engine)) {
        EXPECT_TRUE(pdf.contains("/FontFile2") || pdf.contains("/FontFile")) << "with its fonts embedded";
    }

    const QByteArray generated = readAll(out + QStringLiteral("/generated1.doc"));
    // Both engines write the binary Word 97 format (a compound file).
    EXPECT_TRUE(generated.startsWith(QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1")));
    EXPECT_EQ(readAll(out + QStringLiteral("/My Resume")), generated) << "the saved copy is the document, byte for byte";
    EXPECT_TRUE(documentText(engine, out + QStringLiteral("/generated1.doc")).contains("Marjorie L. Castellane"));
    EXPECT_TRUE(documentText(engine, out + QStringLiteral("/generated2.doc")).contains("Changed Name"));
    EXPECT_EQ(shell::SettingsStore().read(QStringLiteral("Your Name")), QStringLiteral("Changed Name"));
    EXPECT_EQ(readAll(out + QStringLiteral("/exit-status")).trimmed(), QByteArray("0"));
    const QStringList left = QDir(temp).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    EXPECT_TRUE(left.isEmpty()) << "no temporary file or folder is left behind: " << left.join(QLatin1Char(' ')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Engines, RealProgramWithEngine, ::testing::ValuesIn(testsupport::enginesUnderTest()),
                         [](const auto &info) { return info.param; });
