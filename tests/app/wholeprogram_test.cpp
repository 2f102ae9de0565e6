#include "desktoprun.h"
#include "shell/settingsstore.h"
#include "support/testenvironment.h"

#include <QDir>
#include <QFile>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(RealProgram, CreateSaveGoBackChangeCreateAgainAndClose)
{
    if (!haveDesktopTools())
        GTEST_SKIP() << "no X server tools";
    testsupport::freshSettingsFolder();
    const QString temp = testsupport::freshFolder(QStringLiteral("program-temp"));
    const QString out = testsupport::freshFolder(QStringLiteral("program-out"));
    const QByteArray savedTemp = qgetenv("TEMP");
    qputenv("TEMP", QFile::encodeName(temp));
    const bool finished = runOnDesktop(QStringLiteral("create_save_back.sh"), {out});
    qputenv("TEMP", savedTemp);
    ASSERT_TRUE(finished);

    const QString events = QString::fromUtf8(readAll(out + QStringLiteral("/events.log")));
    EXPECT_FALSE(events.contains(QStringLiteral("error report"))) << events.toStdString();
    EXPECT_FALSE(events.contains(QStringLiteral("timed out"))) << events.toStdString();
    EXPECT_TRUE(events.endsWith(QStringLiteral("closed\n"))) << events.toStdString();

    const QByteArray generated = readAll(out + QStringLiteral("/generated1.doc"));
    EXPECT_TRUE(generated.startsWith("{\\rtf1"));
    EXPECT_EQ(readAll(out + QStringLiteral("/My Resume")), generated) << "the saved copy is the document, byte for byte";
    EXPECT_TRUE(readAll(out + QStringLiteral("/generated2.doc")).contains("Changed Name"));
    EXPECT_EQ(shell::SettingsStore().read(QStringLiteral("Your Name")), QStringLiteral("Changed Name"));
    EXPECT_EQ(readAll(out + QStringLiteral("/exit-status")).trimmed(), QByteArray("0"));
    EXPECT_TRUE(QDir(temp).entryList(QDir::Files | QDir::Hidden | QDir::System).isEmpty())
        << "no temporary file is left behind: " << QDir(temp).entryList(QDir::Files).join(QLatin1Char(' ')).toStdString();
}
