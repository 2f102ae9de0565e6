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

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

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
