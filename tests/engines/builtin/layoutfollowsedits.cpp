// A document's layout follows its edits: after a change it equals a layout
// made from nothing, although only the changed paragraphs were laid out
// again, and moves or reads of the selection keep it as it was.
#include "builtinengine.h"
#include "jobblockdocument.h"
#include "storyinspection.h"

#include "objects/builtindocument.h"
#include "objects/documentstate.h"
#include "layout/documentlayout.h"
#include "layout/layoutcache.h"
#include "layout/paragraphlayouter.h"
#include "automation/word/constants.h"
#include "automation/word/engine.h"
#include "automation/word/font.h"
#include "automation/word/range.h"

#include <gtest/gtest.h>

using namespace engine;

namespace {

class LayoutFollowsEdits : public ::testing::Test {
protected:
    void SetUp() override
    {
        application = engine::builtInEngine()->create();
        block = std::make_unique<JobBlockDocument>(*application);
        block->buildJob(QStringLiteral("Senior Developer"),
                        {QStringLiteral("Led the team"), QStringLiteral("Shipped releases every month, on time and "
                                                                        "with notes a customer could read"),
                         QStringLiteral("Mentored juniors")});
        block->selectDutiesByLines();
        block->applyBullets();
    }
    void TearDown() override { application->quit(); }

    DocumentState &state() { return *dynamic_cast<BuiltInDocument &>(block->document()).state(); }
    int positionOf(const QString &text)
    {
        const Story &story = state().model().story;
        return static_cast<int>(StoryInspection::text(story, 0, story.size()).indexOf(text));
    }

    // The kept layout, checked line by line against one made from nothing.
    void expectSameAsFresh()
    {
        const DocumentLayout &kept = state().layout();
        const DocumentLayout fresh = DocumentLayout::build(state().model());
        ASSERT_EQ(kept.pageCount(), fresh.pageCount());
        ASSERT_EQ(kept.lines().size(), fresh.lines().size());
        for (size_t i = 0; i < fresh.lines().size(); ++i) {
            const VisualLine &a = kept.lines()[i];
            const VisualLine &b = fresh.lines()[i];
            EXPECT_EQ(kept.paragraphLine(a).from, fresh.paragraphLine(b).from) << i;
            EXPECT_EQ(kept.paragraphLine(a).to, fresh.paragraphLine(b).to) << i;
            EXPECT_EQ(kept.paragraphLine(a).textLeftTwips, fresh.paragraphLine(b).textLeftTwips) << i;
            EXPECT_EQ(a.topTwips, b.topTwips) << i;
            EXPECT_EQ(a.page, b.page) << i;
            EXPECT_EQ(kept.caretXTwips(a), fresh.caretXTwips(b)) << i;
        }
    }

    std::shared_ptr<word::Application> application;
    std::unique_ptr<JobBlockDocument> block;
};

} // namespace

TEST_F(LayoutFollowsEdits, TypingLaysOutOnlyTheParagraphTypedIn)
{
    state().layout();
    const int at = positionOf(QStringLiteral("every month"));
    state().editor().placeCaret(at);
    const long shapedBefore = ParagraphLayouter::positionsLaidOut();
    block->selection().typeText(QStringLiteral("and every week, then "));
    state().layout();
    const Story &story = state().model().story;
    EXPECT_EQ(ParagraphLayouter::positionsLaidOut() - shapedBefore,
              story.paragraphEnd(at) - story.paragraphStart(at) + 1);
    expectSameAsFresh();
}

TEST_F(LayoutFollowsEdits, AParagraphMovedDownTheStoryKeepsItsLinesAtItsNewPlace)
{
    state().layout();
    state().editor().placeCaret(positionOf(QStringLiteral("Led the team")));
    block->selection().typeText(QStringLiteral("A new first duty\r\n"));
    expectSameAsFresh();
}

TEST_F(LayoutFollowsEdits, AChangedListLevelReachesEveryParagraphOfTheList)
{
    state().layout();
    state().changeModel().lists.back().levels[0].textPositionPoints = 54;
    state().changeModel().lists.back().levels[0].numberPositionPoints = 30;
    expectSameAsFresh();
}

TEST_F(LayoutFollowsEdits, MovesAndReadsKeepTheLayout)
{
    state().layout();
    const long builtBefore = LayoutCache::layoutsBuilt();
    word::Selection &selection = block->selection();
    selection.homeKey(word::wdLine);
    selection.moveUp(word::wdLine, 2);
    selection.moveDown(word::wdLine, 3, word::wdExtend);
    selection.moveRight(word::wdCharacter, 1);
    selection.endKey(word::wdLine, word::wdExtend);
    selection.font()->name();
    selection.range();
    block->document().range();
    block->document().builtInDocumentProperties(word::wdPropertyPages);
    EXPECT_EQ(LayoutCache::layoutsBuilt(), builtBefore);
}
