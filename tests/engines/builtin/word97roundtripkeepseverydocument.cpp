// Every document the engine can hold survives saving as a Word 97 document and
// opening again: the second save gives the very bytes of the first, and the
// text comes back character for character, control characters included.
#include "builtinengine.h"
#include "bytecomparison.h"
#include "randomdocument.h"
#include "sampledocument.h"
#include "storyinspection.h"
#include "support/testenvironment.h"

#include "formats/word97/word97reader.h"
#include "formats/word97/word97writer.h"
#include "automation/word/engine.h"
#include "automation/word/selection.h"

#include <QFile>
#include <gtest/gtest.h>

TEST(EngineWord97RoundTrip, RandomDocumentsSaveOpenAndSaveToIdenticalBytes)
{
    auto application = engine::builtInEngine()->create();
    const QString folder = testsupport::freshFolder(QStringLiteral("word97roundtrip"));
    for (unsigned seed = 0; seed <= 300; ++seed) {
        auto document = seed == 0 ? SampleDocument(*application).buildResume() : RandomDocument(*application, seed).build();
        const QString first = folder + QStringLiteral("/first.doc");
        document->saveAs(first);
        document->close(word::wdDoNotSaveChanges);
        auto reopened = application->documents()->open(first);
        const QString second = folder + QStringLiteral("/second.doc");
        reopened->saveAs(second);
        reopened->close();
        QFile a(first), b(second);
        ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        const QByteArray bytes = a.readAll();
        ASSERT_TRUE(bytes.startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1")) << "seed " << seed;
        ASSERT_TRUE(sameBytes(bytes, b.readAll())) << "seed " << seed;
    }
    application->quit();
}

TEST(EngineWord97RoundTrip, TypedTextComesBackCharacterForCharacterAndNeverAsControlData)
{
    auto application = engine::builtInEngine()->create();
    auto document = application->documents()->add();
    RandomDocument random(*application, 11);
    QString typed;
    for (int i = 0; i < 60; ++i)
        typed += random.randomText(40);
    // Every character that the format gives a meaning: cell and row marks,
    // fields, pictures, objects, breaks.
    for (char16_t control = 0; control < 0x20; ++control)
        typed += QChar(control);
    document->activeWindowSelection()->typeText(typed);
    const engine::DocumentModel &model = StoryInspection::model(*document);
    const QByteArray file = engine::Word97Writer::write(model);
    const engine::DocumentModel reread = engine::Word97Reader::read(file);
    EXPECT_EQ(StoryInspection::text(reread.story, 0, reread.story.size()),
              StoryInspection::text(model.story, 0, model.story.size()));
    EXPECT_EQ(reread.story.tableCount(), 0);
    application->quit();
}
