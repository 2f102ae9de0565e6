// Replacing a file without waiting for the disk: the new text is whole in the
// file when the call returns, a failed write leaves the old file and no
// half-written one beside it, and the sync follows on the background thread.
#include "shell/backgroundsync.h"
#include "automation/failure.h"
#include "shell/safewrite.h"
#include "support/files.h"
#include "support/fulldisk.h"
#include "support/testenvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>


using testsupport::contents;
using testsupport::mode;
using testsupport::put;

namespace {

class ReplaceSyncingLater : public ::testing::Test {
protected:
    void SetUp() override { m_folder = testsupport::freshFolder(QStringLiteral("replacesyncinglater")); }

    QString path(const char *name) const { return m_folder + QLatin1Char('/') + QLatin1String(name); }
    QStringList folderEntries() const { return QDir(m_folder).entryList(QDir::Files | QDir::System); }

    QString m_folder;
};

} // namespace

TEST_F(ReplaceSyncingLater, TheNewTextIsWholeAtOnceAndTheSyncFollows)
{
    shell::BackgroundSync &sync = shell::BackgroundSync::instance();
    sync.waitUntilIdle();
    const long syncsBefore = sync.syncsDone();
    const QByteArray big(200000, 'v');
    for (const QByteArray &bytes : {QByteArray("first"), big, QByteArray("last")}) {
        shell::replaceFileSyncingLater(path("store.conf"), bytes);
        EXPECT_EQ(contents(path("store.conf")), bytes);
    }
    EXPECT_EQ(folderEntries(), QStringList{QStringLiteral("store.conf")}) << "no working file is left beside it";
    sync.waitUntilIdle();
    EXPECT_GE(sync.syncsDone() - syncsBefore, 1);
}

TEST_F(ReplaceSyncingLater, AFullDiskLeavesTheOldFileAndNothingBesideIt)
{
    for (const int size : {3000, 40000}) {
        put(path("store.conf"), "OLD CONTENT");
        {
            const testsupport::FullDisk full(1000);
            EXPECT_THROW(shell::replaceFileSyncingLater(path("store.conf"), QByteArray(size, 'x')), automation::Failure)
                << size;
        }
        EXPECT_EQ(contents(path("store.conf")), QByteArray("OLD CONTENT")) << size;
        EXPECT_EQ(folderEntries(), QStringList{QStringLiteral("store.conf")}) << size;
    }
}

TEST_F(ReplaceSyncingLater, PermissionsLinksAndFoldersAreRespected)
{
    const mode_t before = ::umask(022);
    shell::replaceFileSyncingLater(path("new.conf"), "NEW");
    EXPECT_EQ(mode(path("new.conf")), 0644u) << "a new file follows the umask";
    ::chmod(QFile::encodeName(path("new.conf")).constData(), 0600);
    shell::replaceFileSyncingLater(path("new.conf"), "AGAIN");
    EXPECT_EQ(mode(path("new.conf")), 0600u) << "a replaced file keeps its permissions";
    ::umask(before);

    QFile::link(path("new.conf"), path("shortcut.conf"));
    shell::replaceFileSyncingLater(path("shortcut.conf"), "THROUGH LINK");
    EXPECT_TRUE(QFileInfo(path("shortcut.conf")).isSymLink());
    EXPECT_EQ(contents(path("new.conf")), QByteArray("THROUGH LINK"));

    QDir().mkpath(path("folder.conf"));
    EXPECT_THROW(shell::replaceFileSyncingLater(path("folder.conf"), "x"), automation::Failure);
    EXPECT_THROW(shell::replaceFileSyncingLater(path("missing/store.conf"), "x"), automation::Failure);
}
