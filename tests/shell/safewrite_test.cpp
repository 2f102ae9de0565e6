#include "automation/failure.h"
#include "shell/safewrite.h"
#include "support/files.h"
#include "support/fulldisk.h"
#include "support/testenvironment.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>


using testsupport::contents;
using testsupport::mode;
using testsupport::put;

namespace {

class SafeWriteTest : public ::testing::Test {
protected:
    void SetUp() override { m_folder = testsupport::freshFolder(QStringLiteral("safewrite")); }

    QString path(const char *name) const { return m_folder + QLatin1Char('/') + QLatin1String(name); }

    QString m_folder;
};

} // namespace

TEST_F(SafeWriteTest, AFullDiskFailsTheWriteAndLeavesTheOldFileWhole)
{
    // Below the save file's 16 KB buffer, and above it: both must be caught.
    for (const int size : {3000, 40000}) {
        const QString target = path("keep.doc");
        put(target, "OLD CONTENT");
        {
            const testsupport::FullDisk full(1000);
            EXPECT_THROW(shell::writeFileSafely(target, QByteArray(size, 'x')), automation::Failure) << size;
        }
        EXPECT_EQ(contents(target), QByteArray("OLD CONTENT")) << size;
    }
}

TEST_F(SafeWriteTest, ACopyOnAFullDiskLeavesTheTargetAsItWas)
{
    const QString source = path("vandrel12345678.doc");
    put(source, QByteArray(10000, 'r'));
    const QString target = path("resume.doc");
    put(target, "OLD CONTENT");
    {
        const testsupport::FullDisk full(4096);
        EXPECT_THROW(shell::copyFileSafely(source, target), automation::Failure);
    }
    EXPECT_EQ(contents(target), QByteArray("OLD CONTENT"));
}

TEST_F(SafeWriteTest, AMissingOrEmptySourceOrTheSameFileLeavesTheTargetAlone)
{
    const QString target = path("keep.doc");
    put(target, "OLD CONTENT");
    EXPECT_THROW(shell::copyFileSafely(path("gone.doc"), target), automation::Failure);
    EXPECT_THROW(shell::copyFileSafely(QString(), target), automation::Failure);
    put(path("empty.doc"), QByteArray());
    EXPECT_THROW(shell::copyFileSafely(path("empty.doc"), target), automation::Failure);
    EXPECT_EQ(contents(target), QByteArray("OLD CONTENT"));

    // Saving the document onto itself must not destroy it, by any name.
    QFile::link(target, path("alias.doc"));
    EXPECT_THROW(shell::copyFileSafely(target, target), automation::Failure);
    EXPECT_THROW(shell::copyFileSafely(target, path("alias.doc")), automation::Failure);
    EXPECT_EQ(contents(target), QByteArray("OLD CONTENT"));
}

TEST_F(SafeWriteTest, AnUnreachableTargetFolderFailsWithTheCause)
{
    put(path("source.doc"), "DOC");
    put(path("plainfile"), "x");
    try {
        shell::copyFileSafely(path("source.doc"), path("plainfile") + QStringLiteral("/resume.doc"));
        FAIL() << "the copy claimed success";
    } catch (const automation::Failure &failure) {
        EXPECT_TRUE(failure.description().contains(QStringLiteral("resume.doc")));
    }
    EXPECT_THROW(shell::writeFileSafely(m_folder, "x"), automation::Failure) << "a folder is never replaced";
}

TEST_F(SafeWriteTest, NewCopiesFollowTheUmaskAndReplacedFilesKeepTheirPermissions)
{
    const mode_t before = ::umask(022);
    put(path("source.doc"), "DOC");
    ::chmod(QFile::encodeName(path("source.doc")).constData(), 0600);
    shell::copyFileSafely(path("source.doc"), path("new.doc"));
    EXPECT_EQ(mode(path("new.doc")), 0644u);

    put(path("shared.doc"), "OLD");
    ::chmod(QFile::encodeName(path("shared.doc")).constData(), 0640);
    shell::copyFileSafely(path("source.doc"), path("shared.doc"));
    EXPECT_EQ(mode(path("shared.doc")), 0640u);
    EXPECT_EQ(contents(path("shared.doc")), QByteArray("DOC"));
    ::umask(before);
}

TEST_F(SafeWriteTest, ALinkChosenAsTargetUpdatesTheFileItNames)
{
    put(path("real.doc"), "OLD");
    QFile::link(path("real.doc"), path("shortcut.doc"));
    shell::writeFileSafely(path("shortcut.doc"), "NEW");
    EXPECT_TRUE(QFileInfo(path("shortcut.doc")).isSymLink());
    EXPECT_EQ(contents(path("real.doc")), QByteArray("NEW"));
}
