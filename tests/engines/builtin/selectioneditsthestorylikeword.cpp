// The selection moves, types and formats as Word's does on the story of
// positions: marks count as characters, Extend moves one end, a selection
// across cells selects those cells.
#include "newdocumenttest.h"
#include "failuredescription.h"
#include "storyinspection.h"

#include "automation/word/application.h"
#include "automation/word/constants.h"
#include "automation/word/document.h"
#include "automation/word/listtemplate.h"
#include "automation/word/engine.h"
#include "automation/failure.h"
#include "automation/word/font.h"
#include "automation/word/range.h"
#include "automation/word/selection.h"
#include "automation/word/table.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

using namespace engine;
using namespace word;

namespace {

class EngineSelectionEditing : public NewDocumentTest {
protected:
    std::shared_ptr<Table> addTable(int rows, int columns)
    {
        return document->addTable(selection->range(), rows, columns, wdWord9TableBehavior, wdAutoFitFixed);
    }
    const Story &story() { return StoryInspection::model(*document).story; }
    std::vector<RowView> rows() { return StoryInspection::rows(story()); }

};

} // namespace

TEST_F(EngineSelectionEditing, ThreeCharactersWithExtendFromAnEmptyRowSelectAndMergeItsCells)
{
    addTable(2, 3);
    EXPECT_EQ(selection->moveRight(wdCharacter, 3, wdExtend), 3);
    selection->cells()->merge();
    const auto view = rows();
    ASSERT_EQ(view[0].cells.size(), 1u);
    EXPECT_EQ(view[0].cells[0].format.columnSpan, 3);
    EXPECT_EQ(view[1].cells.size(), 3u);
    // The insertion point stands in the merged cell: typing lands there.
    selection->typeText(QStringLiteral("merged"));
    EXPECT_EQ(rows()[0].cells[0].paragraphs, QStringList{QStringLiteral("merged")});
}

TEST_F(EngineSelectionEditing, MergingKeepsTheTextOfNonEmptyCellsAsParagraphs)
{
    addTable(1, 3);
    selection->typeText(QStringLiteral("a"));
    selection->moveRight(wdCell, 2);
    selection->typeText(QStringLiteral("b"));
    selection->homeKey(wdStory);
    selection->moveRight(wdCharacter, 4, wdExtend);
    selection->cells()->merge();
    EXPECT_EQ(rows()[0].cells[0].paragraphs, (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
}

TEST_F(EngineSelectionEditing, CellMovesWrapToTheNextRowAndStopAtTheTableEnd)
{
    addTable(2, 2);
    EXPECT_EQ(selection->moveRight(wdCell, 2), 2);
    selection->typeText(QStringLiteral("row2"));
    EXPECT_EQ(rows()[1].cells[0].paragraphs, QStringList{QStringLiteral("row2")});
    EXPECT_EQ(selection->moveRight(wdCell, 5), 1);
    EXPECT_EQ(selection->moveLeft(wdCell, 9), 3);
    selection->typeText(QStringLiteral("first"));
    EXPECT_EQ(rows()[0].cells[0].paragraphs, QStringList{QStringLiteral("first")});
}

TEST_F(EngineSelectionEditing, EveryLineBreakConventionStartsAParagraphInTheSameCell)
{
    addTable(1, 2);
    selection->typeText(QStringLiteral("a\r\nb\rc\nd\n\re"));
    const auto view = rows();
    ASSERT_EQ(view[0].cells.size(), 2u);
    EXPECT_EQ(view[0].cells[0].paragraphs,
              (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d"),
                           QString(), QStringLiteral("e")}));
    EXPECT_TRUE(view[0].cells[1].paragraphs == QStringList{QString()});
}

TEST_F(EngineSelectionEditing, FontSetAtTheInsertionPointFormatsTheEmptyParagraphAndWhatIsTypedNext)
{
    selection->font()->setSize(22);
    selection->font()->setName(QStringLiteral("Tahoma"));
    EXPECT_EQ(story().characterFormat(story().at(0).characterFormat).sizeHalfPoints, 44);
    selection->typeText(QStringLiteral("big"));
    selection->font()->setBold(true);
    selection->typeText(QStringLiteral("bold"));
    EXPECT_FALSE(StoryInspection::formatOf(story(), QStringLiteral("big")).bold);
    const CharacterFormat bold = StoryInspection::formatOf(story(), QStringLiteral("bold"));
    EXPECT_TRUE(bold.bold);
    EXPECT_EQ(bold.fontName, QStringLiteral("Tahoma"));
    // Moving back into the plain text picks up its format for typing.
    selection->moveLeft(wdCharacter, 5);
    EXPECT_EQ(selection->font()->get(FontProperty::Bold), False);
    EXPECT_EQ(selection->font()->size(), 22);
}

TEST_F(EngineSelectionEditing, FontOnAnExtendedSelectionFormatsOnlyTheSelectedCharacters)
{
    selection->typeText(QStringLiteral("abcd"));
    selection->moveLeft(wdCharacter, 2, wdExtend);
    selection->font()->setBold(true);
    EXPECT_FALSE(StoryInspection::formatOf(story(), QStringLiteral("ab")).bold);
    EXPECT_TRUE(StoryInspection::formatOf(story(), QStringLiteral("cd")).bold);
}

TEST_F(EngineSelectionEditing, AlignmentAndListsReachEveryParagraphTheSelectionTouches)
{
    auto list = document->addListTemplate(QStringLiteral("bullets"), false);
    selection->typeText(QStringLiteral("one\r\ntwo\r\nthree\r\nfour"));
    selection->homeKey(wdStory);
    selection->moveRight(wdCharacter, 2);
    // From inside "one" to the very start of "three", which it does not touch.
    selection->moveRight(wdCharacter, 6, wdExtend);
    selection->paragraphFormat()->setAlignment(wdAlignParagraphRight);
    selection->range()->listFormat()->applyListTemplate(list, false, wdListApplyToThisPointForward, wdWord10ListBehavior);
    std::vector<std::pair<long, int>> formats;
    for (int i = 0; i < story().size(); ++i) {
        if (story().at(i).endsParagraph()) {
            const engine::ParagraphFormat &format = story().paragraphFormat(story().at(i).paragraphFormat);
            formats.emplace_back(format.alignment, format.list);
        }
    }
    EXPECT_EQ(formats, (std::vector<std::pair<long, int>>{{wdAlignParagraphRight, 0}, {wdAlignParagraphRight, 0},
                                                          {wdAlignParagraphLeft, -1}, {wdAlignParagraphLeft, -1}}));
}

TEST_F(EngineSelectionEditing, StoryKeysReachBothEndsAndExtendKeepsTheAnchor)
{
    selection->typeText(QStringLiteral("hello world"));
    EXPECT_EQ(selection->homeKey(wdStory), 11);
    EXPECT_EQ(selection->endKey(wdStory, wdExtend), 11);
    selection->font()->setBold(true);
    EXPECT_TRUE(StoryInspection::formatOf(story(), QStringLiteral("hello")).bold);
    EXPECT_EQ(selection->moveRight(wdCharacter, 100), 1);
    // Counts at the edges of the number range go as far as the story allows.
    EXPECT_EQ(selection->moveLeft(wdCharacter, std::numeric_limits<long>::max()), 11);
    EXPECT_EQ(selection->moveLeft(wdCharacter, std::numeric_limits<long>::min()), 11);
}

TEST_F(EngineSelectionEditing, SymbolsTakeWordsCharacterNumbers)
{
    selection->insertSymbol(9679, true, 0);
    selection->insertSymbol(-3929, true, 0);
    selection->insertSymbol(128, false, 0);
    EXPECT_EQ(StoryInspection::text(story(), 0, 3), QStringLiteral("\u25CF\uF0A7\u20AC"));
    EXPECT_FALSE(failureDescription([&] { selection->insertSymbol(0xD800, true, 0); }).isEmpty());
    EXPECT_FALSE(failureDescription([&] { selection->insertSymbol(300, false, 0); }).isEmpty());
}

TEST_F(EngineSelectionEditing, WhatTheStoryCannotHoldIsRefusedWithAReason)
{
    addTable(2, 2);
    selection->moveRight(wdCharacter, 2);
    EXPECT_TRUE(failureDescription([&] { selection->typeText(QStringLiteral("x")); }).contains(QStringLiteral("end of a table row")));
    selection->homeKey(wdStory);
    selection->moveRight(wdCharacter, 4, wdExtend);
    EXPECT_TRUE(failureDescription([&] { selection->cells()->merge(); }).contains(QStringLiteral("different rows")));
    EXPECT_TRUE(failureDescription([&] { addTable(1, 1); }).contains(QStringLiteral("inside a table")));
    selection->endKey(wdStory);
    EXPECT_TRUE(failureDescription([&] { selection->cells(); }).contains(QStringLiteral("not in a table")));
    EXPECT_TRUE(failureDescription([&] { selection->moveRight(wdCell, 1); }).contains(QStringLiteral("not in a table")));
}

TEST_F(EngineSelectionEditing, BadArgumentsAreRefusedWithAReason)
{
    auto table = addTable(1, 2);
    const std::vector<std::function<void()>> calls = {
        [&] { selection->font()->setSize(0); },
        [&] { selection->font()->setName(QStringLiteral("a;b")); },
        [&] { selection->font()->set(FontProperty::Italic, True); },
        [&] { selection->paragraphFormat()->setAlignment(7); },
        [&] { selection->cells()->setVerticalAlignment(2); },
        [&] { selection->cells()->borders()->item(-5); },
        [&] { selection->cells()->borders()->item(wdBorderTop)->setLineWidth(7); },
        [&] { selection->cells()->borders()->item(wdBorderTop)->setLineStyle(3); },
        [&] { selection->cells()->borders()->item(wdBorderTop)->setColor(-5); },
        [&] { table->setStyle(QStringLiteral("Fancy")); },
        [&] { table->columns(3); },
        [&] { table->rows(2); },
        [&] { table->columns(1)->setWidth(-1); },
        [&] { table->rows(1)->setHeight(5000); },
        [&] { selection->moveRight(wdWord, 1); },
        [&] { selection->moveRight(wdCharacter, 1, 2); },
        [&] { document->addListTemplate(QStringLiteral("x"), false)->listLevels(10); },
    };
    for (size_t i = 0; i < calls.size(); ++i)
        EXPECT_FALSE(failureDescription(calls[i]).isEmpty()) << "call " << i << " was accepted";
}

TEST_F(EngineSelectionEditing, MembersItDoesNotOfferSaySoInsteadOfPretending)
{
    const std::vector<std::pair<std::function<void()>, QString>> calls = {
        {[&] { selection->moveLeft(wdLine, 1); }, QStringLiteral("wdCharacter")},
        {[&] { selection->goTo(wdGoToLine, wdGoToNext, 2); }, QStringLiteral("only pages")},
        {[&] { selection->deleteText(wdCharacter, 1); }, QStringLiteral("Deleting")},
        {[&] { document->pagePicture(2, 96); }, QStringLiteral("no page 2")},
        {[&] { document->pagePicture(1, 0); }, QStringLiteral("pixels per inch")},
    };
    for (size_t i = 0; i < calls.size(); ++i)
        EXPECT_TRUE(failureDescription(calls[i].first).contains(calls[i].second)) << "call " << i;
}
