// The built-in engine shapes a resume's text as few times as a create needs:
// each paragraph once for the generator's moves by line, however many edits
// come between them (a bulleted one twice: the list it gets after the moves
// indents it); the pictures of the saved file come from one layout, which
// finds those paragraphs laid out already. A layout reused where it should
// not be shows as a wrong document, which the other tests check.
#include "entry/resumefields.h"
#include "entry/sampledata.h"
#include "generator/resume.h"
#include "layout/layoutcache.h"
#include "layout/paragraphlayouter.h"
#include "objectivefiller.h"
#include "storyinspection.h"
#include "support/scripteddialogs.h"
#include "automation/word/application.h"
#include "automation/word/constants.h"
#include "automation/word/document.h"

#include <QTemporaryDir>
#include <cstdio>
#include <gtest/gtest.h>
#include <map>

namespace {

class LayoutsFollowEdits : public ::testing::TestWithParam<int> {
protected:
    // The sample record with `fillerParagraphs` long paragraphs added to its objective.
    // The positions laid out in paragraphs: all, and those of bulleted paragraphs.
    static std::pair<long, long> paragraphPositions(const engine::Story &story)
    {
        long all = 0;
        long bulleted = 0;
        for (int i = 0; i < story.size(); ++i) {
            if (story.at(i).mark == engine::Mark::RowEnd)
                continue;
            ++all;
            const int mark = story.paragraphEnd(i);
            if (story.paragraphFormat(story.at(mark).paragraphFormat).list >= 0)
                ++bulleted;
        }
        return {all, bulleted};
    }

    static std::map<QString, QString> record(int fillerParagraphs)
    {
        std::map<QString, QString> record;
        for (int row = 0; row < entry::resumeFieldCount; ++row)
            record[QString::fromLatin1(entry::resumeFields()[row].name)] = entry::sampleValue(row);
        record[QStringLiteral("txtObjective")] += longParagraphFiller(fillerParagraphs);
        return record;
    }

    testsupport::ScriptedDialogs m_dialogs;
};

} // namespace

TEST_P(LayoutsFollowEdits, ACreateShapesEveryParagraphAboutOnce)
{
    const std::map<QString, QString> fields = record(GetParam());
    const long shapedBefore = engine::ParagraphLayouter::positionsLaidOut();
    generator::GeneratedDocument result = generator::GenerateResume([&fields](const QString &name) {
        const auto found = fields.find(name);
        return found == fields.end() ? QString() : found->second;
    });
    ASSERT_TRUE(result.document);
    ASSERT_TRUE(m_dialogs.messages().empty()) << m_dialogs.errorReports().join(QStringLiteral("\n")).toStdString();
    const auto [all, bulleted] = paragraphPositions(StoryInspection::model(*result.document).story);
    const long shapedByGenerator = engine::ParagraphLayouter::positionsLaidOut() - shapedBefore;
    EXPECT_LE(shapedByGenerator, all + bulleted) << "the generator's moves by line";

    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("resume.doc"));
    result.document->saveAs(path);
    const long beforePictures = engine::LayoutCache::layoutsBuilt();
    auto opened = result.application->documents()->open(path);
    opened->repaginate();
    const int pages = opened->builtInDocumentProperties(word::wdPropertyPages).toInt();
    for (int page = 1; page <= pages; ++page)
        EXPECT_FALSE(opened->pagePicture(page, 20).isNull()) << page;
    EXPECT_EQ(engine::LayoutCache::layoutsBuilt() - beforePictures, 1) << "one layout for all the pictures";
    const long shapedForPictures = engine::ParagraphLayouter::positionsLaidOut() - shapedBefore - shapedByGenerator;
    EXPECT_LE(shapedForPictures, all / 10) << "the saved file holds the paragraphs just laid out";
    std::printf("shaped for the generator %.2f times the document's text, for the pictures %.2f times\n",
                static_cast<double>(shapedByGenerator) / static_cast<double>(all),
                static_cast<double>(shapedForPictures) / static_cast<double>(all));
    opened->close(word::wdDoNotSaveChanges);
    result.application->quit();
}

INSTANTIATE_TEST_SUITE_P(ShortAndLongRecords, LayoutsFollowEdits, ::testing::Values(0, 6));
