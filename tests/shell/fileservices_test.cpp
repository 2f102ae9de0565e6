#include "automation/failure.h"
#include "shell/fileservices.h"
#include "support/testenvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class FileServicesTest : public ::testing::Test {
protected:
    void SetUp() override { m_folder = testsupport::freshFolder(QStringLiteral("fileservices")); }

    QString path(const QString &name) const { return m_folder + QLatin1Char('/') + name; }

    QString writeFile(const QString &name, const QByteArray &content = "resume")
    {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return file.fileName();
    }

    QString writeReadOnlyFile(const QString &name)
    {
        const QString file = writeFile(name);
        QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::ReadUser);
        return file;
    }

    QString makeFolder(const QString &name)
    {
        EXPECT_TRUE(QDir().mkpath(path(name)));
        return path(name);
    }

    QString m_folder;
};

bool stillThere(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

TEST_F(FileServicesTest, FileExistsForFilesAndFoldersOnly)
{
    EXPECT_TRUE(shell::FileExists(writeFile(QStringLiteral("a.doc"))));
    EXPECT_TRUE(shell::FileExists(makeFolder(QStringLiteral("x"))));
    EXPECT_FALSE(shell::FileExists(path(QStringLiteral("missing.doc"))));
    EXPECT_FALSE(shell::FileExists(path(QStringLiteral("nofolder/a.doc"))));
    EXPECT_FALSE(shell::FileExists(QString()));
    EXPECT_FALSE(shell::FileExists(path(QStringLiteral("a.doc")) + QChar(u'\0') + QStringLiteral("tail")));
}

TEST_F(FileServicesTest, FileExistsIsFalseForALinkToNothing)
{
    QFile::link(path(QStringLiteral("gone")), path(QStringLiteral("dangling")));
    EXPECT_FALSE(shell::FileExists(path(QStringLiteral("dangling"))));
}

TEST_F(FileServicesTest, DeleteFileQuietlyRemovesPlainAndReadOnlyFiles)
{
    const QString plain = writeFile(QStringLiteral("plain.doc"));
    const QString readOnly = writeReadOnlyFile(QStringLiteral("readonly.doc"));
    shell::DeleteFileQuietly(plain);
    shell::DeleteFileQuietly(readOnly);
    EXPECT_FALSE(stillThere(plain));
    EXPECT_FALSE(stillThere(readOnly));
}

TEST_F(FileServicesTest, DeleteFileQuietlyIgnoresMissingAndMalformedPaths)
{
    EXPECT_NO_THROW(shell::DeleteFileQuietly(path(QStringLiteral("missing.doc"))));
    EXPECT_NO_THROW(shell::DeleteFileQuietly(path(QStringLiteral("nofolder/missing.doc"))));
    EXPECT_NO_THROW(shell::DeleteFileQuietly(QString()));
}

TEST_F(FileServicesTest, DeleteFileQuietlyNeverRemovesAFolder)
{
    const QString emptyFolder = makeFolder(QStringLiteral("empty"));
    const QString fullFolder = makeFolder(QStringLiteral("full"));
    const QString inside = writeFile(QStringLiteral("full/page.bmp"));
    shell::DeleteFileQuietly(emptyFolder);
    shell::DeleteFileQuietly(fullFolder);
    EXPECT_TRUE(QFileInfo(emptyFolder).isDir());
    EXPECT_TRUE(QFileInfo::exists(inside));
}

TEST_F(FileServicesTest, DeleteFileQuietlyRemovesALinkButNotItsTarget)
{
    const QString target = writeReadOnlyFile(QStringLiteral("target.doc"));
    const QString folder = makeFolder(QStringLiteral("targetfolder"));
    QFile::link(target, path(QStringLiteral("filelink")));
    QFile::link(folder, path(QStringLiteral("folderlink")));
    shell::DeleteFileQuietly(path(QStringLiteral("filelink")));
    shell::DeleteFileQuietly(path(QStringLiteral("folderlink")));
    EXPECT_FALSE(stillThere(path(QStringLiteral("filelink"))));
    EXPECT_FALSE(stillThere(path(QStringLiteral("folderlink"))));
    EXPECT_TRUE(QFileInfo::exists(target));
    EXPECT_TRUE(QFileInfo(folder).isDir());
}

TEST_F(FileServicesTest, DeleteFileQuietlyLetsPendingEventsRunFirst)
{
    const QString file = writeFile(QStringLiteral("busy.doc"));
    bool existedWhenEventRan = false;
    QTimer::singleShot(0, [&] { existedWhenEventRan = QFileInfo::exists(file); });
    shell::DeleteFileQuietly(file);
    EXPECT_TRUE(existedWhenEventRan);
    EXPECT_FALSE(QFileInfo::exists(file));
}

TEST_F(FileServicesTest, FailedPlainDeleteFallsBackToForcedDelete)
{
    const QString file = writeReadOnlyFile(QStringLiteral("stubborn.doc"));
    int plainAttempts = 0;
    shell::deleteFileQuietlyWith(file, [&](const QString &) { ++plainAttempts; return false; });
    EXPECT_EQ(plainAttempts, 1);
    EXPECT_FALSE(stillThere(file));
}

TEST_F(FileServicesTest, FailuresInsideDeleteFileQuietlyStayInside)
{
    const QString file = writeFile(QStringLiteral("kept.doc"));
    auto throwing = [](const QString &) -> bool { throw automation::Failure(QStringLiteral("refused")); };
    EXPECT_NO_THROW(shell::deleteFileQuietlyWith(file, throwing));
    EXPECT_NO_THROW(shell::deleteFileQuietlyWith(path(QStringLiteral("missing.doc")),
                                                 [](const QString &) { return false; }));
}

TEST_F(FileServicesTest, ForceDeleteFileRemovesAReadOnlyFile)
{
    const QString file = writeReadOnlyFile(QStringLiteral("readonly.doc"));
    EXPECT_FALSE(shell::ForceDeleteFile(file).isValid());
    EXPECT_FALSE(stillThere(file));
}

TEST_F(FileServicesTest, ForceDeleteFileLeavesALinkTargetsModeAlone)
{
    const QString target = writeReadOnlyFile(QStringLiteral("target.doc"));
    const QFileDevice::Permissions before = QFileInfo(target).permissions();
    QFile::link(target, path(QStringLiteral("link")));
    shell::ForceDeleteFile(path(QStringLiteral("link")));
    EXPECT_FALSE(stillThere(path(QStringLiteral("link"))));
    EXPECT_EQ(QFileInfo(target).permissions(), before);
}

TEST_F(FileServicesTest, ForceDeleteFileNamesThePathAndCauseWhenItCannot)
{
    const QString folder = makeFolder(QStringLiteral("folder"));
    const QString cases[] = {path(QStringLiteral("missing.doc")), folder, QString()};
    for (const QString &target : cases) {
        try {
            shell::ForceDeleteFile(target);
            ADD_FAILURE() << "no failure for " << target.toStdString();
        } catch (const automation::Failure &failure) {
            EXPECT_TRUE(failure.description().contains(QLatin1Char('"') + target + QLatin1Char('"')));
            EXPECT_TRUE(failure.description().contains(QLatin1String(": ")));
        }
    }
    EXPECT_TRUE(QFileInfo(folder).isDir());
}

} // namespace
