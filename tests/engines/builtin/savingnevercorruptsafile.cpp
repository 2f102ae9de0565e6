// A save that cannot finish leaves whatever was at the name as it was, and a
// save never writes through a link that has taken the document's place.
#include "builtinengine.h"
#include "failuredescription.h"
#include "support/fulldisk.h"
#include "support/testenvironment.h"

#include "automation/word/application.h"
#include "automation/word/document.h"
#include "automation/word/engine.h"
#include "automation/word/selection.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

TEST(SavingNeverCorruptsAFile, AFullDiskIsReportedAndTheOldFileStays)
{
    auto application = engine::builtInEngine()->create();
    auto document = application->documents()->add();
    document->activeWindowSelection()->typeText(QString(10000, QLatin1Char('r')));
    const QString path = testsupport::freshFolder(QStringLiteral("fulldisk")) + QStringLiteral("/vandrel12345678.doc");
    put(path, "OLD CONTENT");
    QString failure;
    {
        const testsupport::FullDisk full(4096);
        failure = failureDescription([&] { document->saveAs(path); });
    }
    EXPECT_TRUE(failure.contains(QStringLiteral("cannot be saved"))) << failure.toStdString();
    EXPECT_EQ(contents(path), QByteArray("OLD CONTENT"));
    EXPECT_EQ(QDir(QFileInfo(path).path()).entryList(QDir::Files | QDir::Hidden), QStringList{QFileInfo(path).fileName()})
        << "the unfinished file is left beside the document";
    application->setDisplayAlerts(false);
    application->quit();
}

TEST(SavingNeverCorruptsAFile, ALinkSwappedInForTheClaimedNameIsNotWrittenThrough)
{
    const QString folder = testsupport::freshFolder(QStringLiteral("swapped"));
    const QString victim = folder + QStringLiteral("/someone-elses.txt");
    put(victim, "precious");
    const QString path = folder + QStringLiteral("/vandrel12345678.doc");
    ASSERT_TRUE(QFile::link(victim, path));
    auto application = engine::builtInEngine()->create();
    auto document = application->documents()->add();
    EXPECT_FALSE(failureDescription([&] { document->saveAs(path); }).isEmpty());
    EXPECT_EQ(contents(victim), QByteArray("precious"));
    application->setDisplayAlerts(false);
    application->quit();
}

TEST(SavingNeverCorruptsAFile, ASavedDocumentKeepsTheModeOfTheFileItReplaces)
{
    // The generated document lies in a folder every user may read; the empty
    // file claimed for it is the user's alone, and so must the resume be.
    const QString folder = testsupport::freshFolder(QStringLiteral("mode"));
    auto application = engine::builtInEngine()->create();
    auto document = application->documents()->add();
    document->activeWindowSelection()->typeText(QStringLiteral("Private"));
    for (const mode_t mode : {0600, 0640}) {
        const QString path = folder + QStringLiteral("/vandrel%1.doc").arg(mode);
        put(path, "");
        ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0);
        document->saveAs(path);
        struct stat saved {};
        ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &saved), 0);
        EXPECT_EQ(saved.st_mode & 07777, mode);
        EXPECT_GT(saved.st_size, 0);
    }
    application->setDisplayAlerts(false);
    application->quit();
}
