#include "app/desktoprun.h"
#include "shell/settingsstore.h"
#include "support/testenvironment.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include <cstdlib>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString installed(const char *path)
{
    return QStringLiteral(PARVOLIN_PACKAGE_ROOT "/") + QString::fromLatin1(path);
}

bool closeColours(QRgb a, QRgb b)
{
    const int tolerance = 12;
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance
           && std::abs(qBlue(a) - qBlue(b)) <= tolerance && std::abs(qAlpha(a) - qAlpha(b)) <= tolerance;
}

} // namespace

TEST(PackagedProgram, StartsCreatesTheSampleResumeAndEndsCleanly)
{
    if (!haveDesktopTools())
        GTEST_SKIP() << "no X server tools";
    const DesktopRun run = runInFreshFolders(QStringLiteral("create_sample_and_close.sh"));
    ASSERT_TRUE(run.finished);
    const QString &temp = run.temp;
    const QString &out = run.out;

    const QString events = QString::fromUtf8(readAll(out + QStringLiteral("/events.log")));
    EXPECT_EQ(events, QStringLiteral("sample loaded\npreview shown\nclosed\n"));
    const QByteArray generated = readAll(out + QStringLiteral("/generated.doc"));
    // A Word 97 document, whose text is UTF-16.
    EXPECT_TRUE(generated.startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"));
    const QString name = QStringLiteral("Marjorie L. Castellane");
    EXPECT_TRUE(generated.contains(QByteArray(reinterpret_cast<const char *>(name.utf16()), name.size() * 2)));
    EXPECT_EQ(shell::SettingsStore().read(QStringLiteral("Your Name")), QStringLiteral("Marjorie L. Castellane"));
    EXPECT_EQ(readAll(out + QStringLiteral("/exit-status")).trimmed(), QByteArray("0"));
    EXPECT_TRUE(QDir(temp).entryList(QDir::Files | QDir::Hidden | QDir::System).isEmpty());
}

#ifdef PARVOLIN_PACKAGED_LIBREOFFICE
// The engine's package puts its module where the program looks, found from
// the program's own folder: the unpacked program must create with it.
TEST(PackagedProgram, LoadsTheLibreOfficeEngineFromItsEngineFolder)
{
    if (!haveDesktopTools())
        GTEST_SKIP() << "no X server tools";
    qputenv("PARVOLIN_ENGINE", "libreoffice");
    qputenv("PARVOLIN_SETTLE_SECONDS", "1");
    const DesktopRun run = runInFreshFolders(QStringLiteral("create_sample_and_close.sh"), 300000);
    qunsetenv("PARVOLIN_ENGINE");
    qunsetenv("PARVOLIN_SETTLE_SECONDS");
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(readAll(run.out + QStringLiteral("/events.log")), QByteArray("sample loaded\npreview shown\nclosed\n"));
    // LibreOffice saves binary Word 97; the built-in engine would have saved RTF.
    EXPECT_TRUE(readAll(run.out + QStringLiteral("/generated.doc")).startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"));
}
#endif

TEST(PackagedProgram, PrintsTheProjectVersion)
{
    QProcess run;
    run.start(QStringLiteral(PARVOLIN_BINARY), {QStringLiteral("--version")});
    ASSERT_TRUE(run.waitForFinished(20000));
    EXPECT_EQ(run.exitCode(), 0);
    EXPECT_EQ(run.readAllStandardOutput(), QByteArray("parvolin " PARVOLIN_EXPECTED_VERSION "\n"));
}

// The menu's icon is drawn from the SVG at build time, the window's is a
// picture in the program: they must stay one drawing.
TEST(PackagedProgram, TheMenuIconIsTheWindowIcon)
{
    const QImage window = QImage(QStringLiteral(PARVOLIN_WINDOW_ICON)).convertToFormat(QImage::Format_ARGB32);
    const QImage menu = QImage(installed("usr/share/icons/hicolor/256x256/apps/parvolin.png"))
                            .convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(window.size(), QSize(256, 256));
    ASSERT_EQ(menu.size(), QSize(256, 256));
    // Outside the tile, the tile, the page, its folded corner, the text lines,
    // the short line, the bullet and the bulleted line.
    const QPoint points[] = {{2, 2},     {20, 128},  {128, 230}, {196, 44},  {100, 70},  {128, 210},
                             {168, 72},  {130, 108}, {170, 136}, {145, 164}, {160, 164}, {94, 190},
                             {150, 190}, {108, 190}};
    for (const QPoint &p : points)
        EXPECT_TRUE(closeColours(menu.pixel(p), window.pixel(p)))
            << "at " << p.x() << "," << p.y() << ": " << std::hex << menu.pixel(p) << " against " << window.pixel(p);

    for (int size : {16, 22, 24, 32, 48, 64, 128}) {
        const QString path = installed("usr/share/icons/hicolor/") + QStringLiteral("%1x%1/apps/parvolin.png").arg(size);
        EXPECT_EQ(QImage(path).size(), QSize(size, size)) << path.toStdString();
    }
}
