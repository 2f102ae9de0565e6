// Documents open, become active, save and close, and an instance quits, as
// Word's do; what is closed or quit refuses further calls with a reason.
#include "builtinengine.h"
#include "failuredescription.h"
#include "storyinspection.h"
#include "support/testenvironment.h"

#include "builtinapplication.h"
#include "automation/word/application.h"
#include "automation/word/constants.h"
#include "automation/word/document.h"
#include "automation/word/engine.h"
#include "automation/failure.h"
#include "automation/word/selection.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace word;

TEST(EngineDocumentLifecycle, TheNewestOpenDocumentIsActiveAndClosingHandsOn)
{
    auto application = engine::builtInEngine()->create();
    EXPECT_FALSE(failureDescription([&] { application->activeDocument(); }).isEmpty());
    EXPECT_FALSE(failureDescription([&] { application->selection(); }).isEmpty());
    auto first = application->documents()->add();
    auto second = application->documents()->add();
    application->selection()->typeText(QStringLiteral("second"));
    EXPECT_EQ(&StoryInspection::model(*application->activeDocument()), &StoryInspection::model(*second));
    second->close(wdDoNotSaveChanges);
    EXPECT_EQ(&StoryInspection::model(*application->activeDocument()), &StoryInspection::model(*first));
    EXPECT_TRUE(failureDescription([&] { second->activeWindowSelection(); }).contains(QStringLiteral("closed")));
    EXPECT_EQ(application->inchesToPoints(0.25), 18);
    application->quit();
}

TEST(EngineDocumentLifecycle, UnsavedChangesAreNeverDroppedSilently)
{
    auto application = engine::builtInEngine()->create();
    auto document = application->documents()->add();
    document->activeWindowSelection()->typeText(QStringLiteral("draft"));
    // With alerts on Word would ask; nobody can answer, so the call fails.
    EXPECT_TRUE(failureDescription([&] { document->close(); }).contains(QStringLiteral("unsaved")));
    EXPECT_TRUE(failureDescription([&] { document->close(wdSaveChanges); }).contains(QStringLiteral("SaveAs")));
    application->setDisplayAlerts(false);
    document->close();
    EXPECT_FALSE(failureDescription([&] { document->saveAs(QStringLiteral("/tmp/x.doc")); }).isEmpty());
    application->quit();
}

TEST(EngineDocumentLifecycle, SaveChangesWritesBackToTheOpenedFile)
{
    auto application = engine::builtInEngine()->create();
    const QString path = testsupport::freshFolder(QStringLiteral("lifecycle")) + QStringLiteral("/doc.doc");
    auto document = application->documents()->add();
    document->saveAs(path);
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray empty = saved.readAll();
    saved.close();
    auto reopened = application->documents()->open(path);
    reopened->activeWindowSelection()->typeText(QStringLiteral("added later"));
    reopened->close(wdSaveChanges);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_NE(saved.readAll(), empty);
    auto third = application->documents()->open(path);
    EXPECT_TRUE(StoryInspection::text(StoryInspection::model(*third).story, 0, 11) == QStringLiteral("added later"));
    application->quit();
}

TEST(EngineDocumentLifecycle, QuitClosesEverythingAndEndsTheInstance)
{
    auto application = engine::builtInEngine()->create();
    auto document = application->documents()->add();
    auto selection = document->activeWindowSelection();
    application->quit();
    EXPECT_TRUE(failureDescription([&] { selection->typeText(QStringLiteral("x")); }).contains(QStringLiteral("quit")));
    EXPECT_TRUE(failureDescription([&] { application->documents(); }).contains(QStringLiteral("quit")));
    EXPECT_TRUE(failureDescription([&] { application->quit(); }).contains(QStringLiteral("quit")));
    EXPECT_TRUE(static_cast<engine::BuiltInApplication &>(*application).hasQuit());
}
