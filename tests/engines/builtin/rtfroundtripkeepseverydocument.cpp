// Every document the engine can hold survives saving and opening: the second
// save gives the very bytes of the first.
#include "builtinengine.h"
#include "bytecomparison.h"
#include "randomdocument.h"
#include "storyinspection.h"
#include "support/testenvironment.h"

#include "formats/rtf/rtfreader.h"
#include "formats/rtf/rtfwriter.h"
#include "automation/word/engine.h"
#include "automation/word/selection.h"

#include <QFile>
#include <gtest/gtest.h>

TEST(EngineRtfRoundTrip, RandomDocumentsSaveOpenAndSaveToIdenticalBytes)
{
    auto application = engine::builtInEngine()->create();
    const QString folder = testsupport::freshFolder(QStringLiteral("roundtrip"));
    for (unsigned seed = 1; seed <= 300; ++seed) {
        auto document = RandomDocument(*application, seed).build();
        const QString first = folder + QStringLiteral("/first.rtf");
        document->saveAs(first);
        document->close(word::wdDoNotSaveChanges);
        auto reopened = application->documents()->open(first);
        const QString second = folder + QStringLiteral("/second.rtf");
        reopened->saveAs(second);
        reopened->close();
        QFile a(first), b(second);
        ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        const QByteArray bytes = a.readAll();
        ASSERT_TRUE(bytes.startsWith("{\\rtf1")) << "seed " << seed;
        ASSERT_TRUE(sameBytes(bytes, b.readAll())) << "seed " << seed;
    }
    application->quit();
}

TEST(EngineRtfRoundTrip, TextComesBackCharacterForCharacter)
{
    auto application = engine::builtInEngine()->create();
    auto document = application->documents()->add();
    RandomDocument random(*application, 7);
    QString typed;
    for (int i = 0; i < 50; ++i)
        typed += random.randomText(40);
    // Typing ends paragraphs at CR LF, CR and LF, and turns half surrogates into U+FFFD.
    document->activeWindowSelection()->typeText(typed);
    const engine::Story &before = StoryInspection::model(*document).story;
    const engine::DocumentModel reread = engine::RtfReader::read(engine::RtfWriter::write(StoryInspection::model(*document)));
    EXPECT_EQ(StoryInspection::text(reread.story, 0, reread.story.size()),
              StoryInspection::text(before, 0, before.size()));
    application->quit();
}
