#include "automation/failure.h"
#include "shell/tempfolder.h"
#include "support/testenvironment.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

TEST(TempFolder, TheTempVariableNamesTheFolder)
{
    const QByteArray saved = qgetenv("TEMP");
    qputenv("TEMP", "/some/where");
    EXPECT_EQ(shell::temporaryFolder(), QStringLiteral("/some/where"));
    qunsetenv("TEMP");
    EXPECT_FALSE(shell::temporaryFolder().isEmpty());
    qputenv("TEMP", saved);
}

TEST(TempFolder, ANewFileIsPrivateAndATakenNameIsRefused)
{
    const QString folder = testsupport::freshFolder(QStringLiteral("exclusive"));
    const QString path = folder + QStringLiteral("/vandrel12345678.doc");
    EXPECT_TRUE(shell::createFileExclusively(path));
    EXPECT_EQ(QFileInfo(path).permissions() & (QFileDevice::ReadOther | QFileDevice::ReadGroup), QFileDevice::Permissions());
    EXPECT_FALSE(shell::createFileExclusively(path));
}

TEST(TempFolder, APlantedLinkIsNeverFollowed)
{
    const QString folder = testsupport::freshFolder(QStringLiteral("exclusive"));
    const QString victim = folder + QStringLiteral("/victim");
    QFile file(victim);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("precious");
    file.close();
    const QString planted = folder + QStringLiteral("/vandrel11111111.doc");
    ASSERT_TRUE(QFile::link(victim, planted));
    EXPECT_FALSE(shell::createFileExclusively(planted));
    ASSERT_TRUE(QFile::link(folder + QStringLiteral("/nowhere"), folder + QStringLiteral("/dangling.doc")));
    EXPECT_FALSE(shell::createFileExclusively(folder + QStringLiteral("/dangling.doc")));
    EXPECT_FALSE(QFile::exists(folder + QStringLiteral("/nowhere"))) << "a dangling link must not create its target";
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("precious"));
}

TEST(TempFolder, AFolderThatCannotHoldFilesIsAFailureNotATakenName)
{
    const QString folder = testsupport::freshFolder(QStringLiteral("exclusive"));
    QFile plain(folder + QStringLiteral("/plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    EXPECT_THROW(shell::createFileExclusively(folder + QStringLiteral("/plain/x.doc")), automation::Failure);
    EXPECT_THROW(shell::createFileExclusively(folder + QStringLiteral("/missing/x.doc")), automation::Failure);
}
