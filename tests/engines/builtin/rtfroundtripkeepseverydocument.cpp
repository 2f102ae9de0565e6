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
#include "automation/word/table.h"

#include <QFile>
#include <QImage>
#include <QPainter>
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

TEST(EngineRtfRoundTrip, ANewDocumentKeepsTheUsersPaperThroughSavingAndOpening)
{
    auto application = engine::builtInEngine()->create();
    const QString folder = testsupport::freshFolder(QStringLiteral("paper"));
    const std::pair<const char *, QSizeF> papers[] = {{"a4", QSizeF(11906, 16838)}, {"letter", QSizeF(12240, 15840)}};
    for (const auto &[name, twips] : papers) {
        const testsupport::ScopedVariable paper("PAPERSIZE", name);
        auto document = application->documents()->add();
        auto selection = document->activeWindowSelection();
        selection->typeText(QStringLiteral("Paper"));
        auto table = document->addTable(selection->range(), 1, 2, word::wdWord9TableBehavior, word::wdAutoFitFixed);
        // A new table spans the text between the 1-inch margins.
        EXPECT_DOUBLE_EQ(table->columns(1)->width() * 2, (twips.width() - 2 * 1440) / 20) << name;
        const QString path = folder + QStringLiteral("/%1.rtf").arg(QLatin1String(name));
        document->saveAs(path);
        document->close(word::wdDoNotSaveChanges);
        // Opened elsewhere, the file keeps its paper whatever the user's is now.
        const testsupport::ScopedVariable other("PAPERSIZE", QByteArray(name) == "a4" ? "letter" : "a4");
        auto reopened = application->documents()->open(path);
        QImage scratch(1, 1, QImage::Format_RGB32);
        QPainter painter(&scratch);
        EXPECT_EQ(reopened->drawPage(1, painter), twips) << name;
        reopened->close();
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
