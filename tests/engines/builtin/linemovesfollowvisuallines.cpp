// Moves by line go by the lines the layout shows: to a line's start or end,
// and up or down at the same horizontal place, on into the cell above or below.
#include "builtinengine.h"
#include "jobblockdocument.h"
#include "storyinspection.h"

#include "objects/builtindocument.h"
#include "objects/documentstate.h"
#include "layout/documentlayout.h"
#include "layout/linemoves.h"
#include "layout/linenavigator.h"
#include "automation/word/engine.h"

#include <gtest/gtest.h>

using namespace engine;

namespace {

const QString longDuty = QStringLiteral("Designed, built and ran the order pipeline that carried every parcel the "
                                        "company shipped across three continents");

class LineMovesFollowVisualLines : public ::testing::Test {
protected:
    void SetUp() override
    {
        application = engine::builtInEngine()->create();
        block = std::make_unique<JobBlockDocument>(*application);
    }
    void TearDown() override { application->quit(); }

    StoryEditor &editor() { return dynamic_cast<BuiltInDocument &>(block->document()).state()->editor(); }
    const DocumentModel &model() { return StoryInspection::model(block->document()); }
    // Moves over the document as it stands now.
    LineMoves moves()
    {
        layout = std::make_unique<DocumentLayout>(DocumentLayout::build(model()));
        return LineMoves(editor(), *layout);
    }
    // Where `text` starts in the story.
    int positionOf(const QString &text)
    {
        const QString all = StoryInspection::text(model().story, 0, model().story.size());
        return static_cast<int>(all.indexOf(text));
    }
    QString selectedText() { return StoryInspection::text(model().story, editor().start(), editor().end()); }

    std::shared_ptr<word::Application> application;
    std::unique_ptr<JobBlockDocument> block;
    std::unique_ptr<DocumentLayout> layout;
};

} // namespace

TEST_F(LineMovesFollowVisualLines, HomeAndEndKeysStopAtTheVisualLineNotTheParagraph)
{
    block->buildJob(QStringLiteral("Title"), {QStringLiteral("One"), QStringLiteral("Two"), longDuty});
    const DocumentLayout shown = DocumentLayout::build(model());
    const int lastLine = shown.lineHolding(editor().active());
    const ParagraphLine &wrapped = shown.paragraphLine(shown.lines()[static_cast<size_t>(lastLine)]);
    ASSERT_GT(wrapped.from, positionOf(longDuty)) << "the long duty should wrap";

    EXPECT_EQ(moves().homeKey(false), editor().active() == wrapped.from ? 0 : wrapped.to - wrapped.from);
    EXPECT_EQ(editor().active(), wrapped.from);
    moves().endKey(false);
    EXPECT_EQ(editor().active(), wrapped.to);
    EXPECT_EQ(model().story.at(editor().active()).mark, Mark::CellEnd) << "the end of a last line is before its mark";

    // On a wrapped first line the end is where the next line begins.
    editor().placeCaret(positionOf(longDuty) + 2);
    moves().endKey(false);
    EXPECT_EQ(editor().active(), wrapped.from);
}

TEST_F(LineMovesFollowVisualLines, ExtendMovesOnlyTheActiveEnd)
{
    block->buildJob(QStringLiteral("Title"), {QStringLiteral("One"), QStringLiteral("Two"), QStringLiteral("Three")});
    const int end = editor().active();
    moves().homeKey(true);
    EXPECT_EQ(editor().anchor(), end);
    EXPECT_EQ(selectedText(), QStringLiteral("Three"));
    EXPECT_EQ(moves().moveUp(1, true), 1);
    EXPECT_EQ(editor().anchor(), end);
    EXPECT_EQ(selectedText(), QStringLiteral("Two|Three"));
    // Without Extend the selection collapses at the line's start.
    moves().homeKey(false);
    EXPECT_EQ(editor().anchor(), editor().active());
    EXPECT_EQ(editor().active(), positionOf(QStringLiteral("Two")));
}

TEST_F(LineMovesFollowVisualLines, MovingDownPastACellsLastLineEntersTheCellBelowUnderTheCaret)
{
    block->buildJob(QStringLiteral("Title"), {QStringLiteral("One"), QStringLiteral("Two"), longDuty});
    const DocumentLayout shown = DocumentLayout::build(model());
    const double caretX = LineNavigator(shown).caretXTwips(editor().active());
    EXPECT_EQ(moves().moveDown(1, false), 1);
    const Story &story = model().story;
    const std::vector<int> below = story.rowCells(story.rowEnd(editor().active()));
    ASSERT_EQ(below.size(), 3u) << "the move should end in the unmerged row below";
    // The row's cells span 100, 240 and 100 pt from 5.4 pt left of the margin.
    const int column = caretX < 1332 + 2000 ? 0 : caretX < 1332 + 6800 ? 1 : 2;
    EXPECT_EQ(story.cellEnd(editor().active()), below[static_cast<size_t>(column)]) << caretX;

    // From the start of the line the cell below is the first one.
    moves().moveUp(1, false);
    moves().homeKey(false);
    moves().moveDown(1, false);
    EXPECT_EQ(story.cellEnd(editor().active()), below[0]);
}

TEST_F(LineMovesFollowVisualLines, MovingUpPastACellsFirstLineEntersTheLastLineOfTheCellAbove)
{
    block->buildJob(QStringLiteral("Title"), {QStringLiteral("One"), QStringLiteral("Two"), QStringLiteral("Three")});
    editor().placeCaret(positionOf(QStringLiteral("Title")) + 5);
    EXPECT_EQ(moves().moveUp(1, false), 1);
    // "Title" ends about 25 pt in: above it lies the first cell, holding the dates.
    EXPECT_EQ(model().story.cellEnd(editor().active()), model().story.cellEnd(positionOf(QStringLiteral("2019"))));
    // Nothing lies above the first row: the move goes nowhere.
    EXPECT_EQ(moves().moveUp(1, false), 0);
    EXPECT_EQ(model().story.cellEnd(editor().active()), model().story.cellEnd(positionOf(QStringLiteral("2019"))));
}

TEST_F(LineMovesFollowVisualLines, ACountTooLargeStopsAtTheLastLineAndSaysHowFarItWent)
{
    block->buildJob(QStringLiteral("Title"), {QStringLiteral("One"), QStringLiteral("Two"), QStringLiteral("Three")});
    editor().placeCaret(0);
    // Title, three duties, the row below and the paragraph after the table.
    EXPECT_EQ(moves().moveDown(100, false), 6);
    EXPECT_EQ(editor().active(), model().story.size() - 1);
    EXPECT_EQ(moves().moveDown(1, false), 0);
}

TEST_F(LineMovesFollowVisualLines, MovesOverRightToLeftLinesLandInsideThem)
{
    block->buildJob(QStringLiteral("Title"), {QStringLiteral("ניהלתי צוות של תשעה נציגי שירות"),
                                              QStringLiteral("أدرت فريق Customer Support من 9 أشخاص منذ 2019"),
                                              QStringLiteral("Three")});
    editor().placeCaret(positionOf(QStringLiteral("Three")) + 3);
    EXPECT_EQ(moves().moveUp(1, false), 1);
    const int arabic = positionOf(QStringLiteral("أدرت"));
    EXPECT_GE(editor().active(), arabic);
    EXPECT_LE(editor().active(), arabic + 46);
    EXPECT_EQ(moves().moveUp(1, false), 1);
    const int hebrew = positionOf(QStringLiteral("ניהלתי"));
    EXPECT_GE(editor().active(), hebrew);
    EXPECT_LE(editor().active(), hebrew + 31);
    moves().endKey(false);
    EXPECT_EQ(editor().active(), hebrew + 31);
}

// The start of a line that opens with Arabic words is still the line's left
// edge: moving down from there used to enter the right-hand cell below, and
// the generator's next step then found no table around the selection.
TEST_F(LineMovesFollowVisualLines, AMoveDownFromTheStartOfAnArabicLineEntersTheFirstCellBelow)
{
    const QString arabic = QStringLiteral("أدرت فريق الدعم من تسعة أشخاص وكتبت دليل الموظفين الجدد ").repeated(4);
    block->buildJob(QStringLiteral("Title"), {QStringLiteral("One"), QStringLiteral("Two"), arabic});
    moves().homeKey(false);
    EXPECT_EQ(moves().moveDown(1, false), 1);
    const Story &story = model().story;
    const std::vector<int> below = story.rowCells(story.rowEnd(editor().active()));
    ASSERT_EQ(below.size(), 3u) << "the move should end in the unmerged row below";
    EXPECT_EQ(story.cellEnd(editor().active()), below[0]);
}
