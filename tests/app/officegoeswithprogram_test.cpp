#include "desktoprun.h"
#include "support/enginesundertest.h"

#include <QDir>
#include <QThread>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray();
}

// Whether any process still runs with `folder` in its command line.
bool anyProcessNames(const QString &folder)
{
    for (const QString &pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile commandLine(QStringLiteral("/proc/%1/cmdline").arg(pid));
        if (commandLine.open(QIODevice::ReadOnly) && commandLine.readAll().contains(QFile::encodeName(folder)))
            return true;
    }
    return false;
}

bool nothingLeftIn(const QString &temp)
{
    return QDir(temp).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden) && !anyProcessNames(temp);
}

} // namespace

// The idle warm-up once started only the built-in engine, whatever engine was
// chosen; and the office must never outlive a program killed without warning.
TEST(RealProgram, ItsOneOfficeStartsOnceTheWindowShowsAndGoesWhenTheProgramIsKilled)
{
    const std::vector<std::string> engines = testsupport::enginesUnderTest();
    if (std::find(engines.begin(), engines.end(), "libreoffice") == engines.end())
        GTEST_SKIP() << "no LibreOffice engine in this build";
    if (!haveDesktopTools())
        GTEST_SKIP() << "no X server tools";
    testsupport::selectEngine("libreoffice");
    const DesktopRun run = runInFreshFolders(QStringLiteral("office_then_kill.sh"));
    qunsetenv("PARVOLIN_ENGINE");
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(readAll(run.out + QStringLiteral("/offices")), QByteArray("1")) << "one office, started without a click";
    bool gone = false;
    for (int waitedMs = 0; !gone && waitedMs < 10000; waitedMs += 100) {
        gone = nothingLeftIn(run.temp);
        QThread::msleep(100);
    }
    EXPECT_TRUE(gone) << "left behind: " << QDir(run.temp).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).join(' ').toStdString();
}
