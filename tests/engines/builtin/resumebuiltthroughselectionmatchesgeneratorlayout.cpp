// Building the resume through the automation interface, as the generator does,
// gives the table, merges, fonts, rules and bullets it asks for.
#include "builtinengine.h"
#include "sampledocument.h"
#include "storyinspection.h"

#include "automation/word/engine.h"

#include <gtest/gtest.h>

using namespace engine;

namespace {

class EngineResumeModel : public ::testing::Test {
protected:
    void SetUp() override
    {
        application = engine::builtInEngine()->create();
        document = SampleDocument(*application).buildResume();
        rows = StoryInspection::rows(StoryInspection::model(*document).story);
    }
    void TearDown() override { application->quit(); }

    const Story &story() { return StoryInspection::model(*document).story; }
    const CharacterFormat &markFormat(const StoryPosition &mark) { return story().characterFormat(mark.characterFormat); }
    const ParagraphFormat &paragraphOf(const StoryPosition &mark) { return story().paragraphFormat(mark.paragraphFormat); }

    std::shared_ptr<word::Application> application;
    std::shared_ptr<word::Document> document;
    std::vector<RowView> rows;
};

void expectHeading(const CellView &cell, long ruleEighths)
{
    EXPECT_EQ(cell.format.verticalAlignment, word::wdCellAlignVerticalBottom);
    EXPECT_FALSE(cell.format.borders[CellFormat::Top].visible());
    EXPECT_FALSE(cell.format.borders[CellFormat::Left].visible());
    EXPECT_FALSE(cell.format.borders[CellFormat::Right].visible());
    EXPECT_EQ(cell.format.borders[CellFormat::Bottom].lineStyle, word::wdLineStyleSingle);
    EXPECT_EQ(cell.format.borders[CellFormat::Bottom].widthEighths, ruleEighths);
    EXPECT_EQ(cell.format.borders[CellFormat::Bottom].color, word::wdColorAutomatic);
    EXPECT_FALSE(cell.format.shadow);
}

} // namespace

TEST_F(EngineResumeModel, TableHasEighteenRowsOnAThreeColumnGrid)
{
    ASSERT_EQ(rows.size(), 18u);
    const TableFormat &table = story().table(rows[0].format.table);
    EXPECT_EQ(table.columnWidthsPoints, (std::vector<double>{100, 240, 100}));
    EXPECT_EQ(table.styleName, QStringLiteral("Table Normal"));
    EXPECT_TRUE(table.applyStyleHeadingRows && table.applyStyleLastRow && table.applyStyleFirstColumn
                && table.applyStyleLastColumn);
    EXPECT_EQ(rows[0].format.minimumHeightPoints, 15);
    EXPECT_EQ(rows[6].format.minimumHeightPoints, 50);
    EXPECT_EQ(rows[7].format.minimumHeightPoints, 0);
    // The story ends with a paragraph after the table.
    EXPECT_EQ(story().at(story().size() - 1).mark, Mark::Paragraph);
}

TEST_F(EngineResumeModel, MergedRowsAreOneCellSpanningTheGridWithNoBordersLeft)
{
    for (int row : {0, 1, 2, 3, 4, 6, 7, 16, 17}) {
        ASSERT_EQ(rows[static_cast<size_t>(row)].cells.size(), 1u) << "row " << row + 1;
        const CellFormat &cell = rows[static_cast<size_t>(row)].cells[0].format;
        EXPECT_EQ(cell.columnSpan, 3);
        if (row == 2 || row == 4 || row == 16)
            continue;
        for (const BorderLine &line : cell.borders)
            EXPECT_FALSE(line.visible()) << "row " << row + 1;
    }
}

TEST_F(EngineResumeModel, ContactLineIsSmallCentredAndCarriesTheCircleSymbols)
{
    const CellView &cell = rows[0].cells[0];
    EXPECT_EQ(cell.paragraphs, QStringList{QStringLiteral("12 Elm Street, Springfield 12345 \u25CF 555-0100 \u25CF jane@example.com")});
    EXPECT_EQ(StoryInspection::formatOf(story(), QStringLiteral("12 Elm")).sizeHalfPoints, 18);
    EXPECT_EQ(paragraphOf(cell.marks[0]).alignment, word::wdAlignParagraphCenter);
    EXPECT_EQ(cell.format.verticalAlignment, word::wdCellAlignVerticalTop);
}

TEST_F(EngineResumeModel, HeadingsAreTahomaBoldWithOneBottomRule)
{
    const CharacterFormat heading = StoryInspection::formatOf(story(), QStringLiteral("Objective"));
    EXPECT_EQ(heading.fontName, QStringLiteral("Tahoma"));
    EXPECT_EQ(heading.sizeHalfPoints, 24);
    EXPECT_TRUE(heading.bold);
    expectHeading(rows[2].cells[0], word::wdLineWidth100pt);
    expectHeading(rows[4].cells[0], word::wdLineWidth150pt);
    expectHeading(rows[16].cells[0], word::wdLineWidth150pt);
}

TEST_F(EngineResumeModel, DetailsRowHasThreeBottomAlignedCellsAlignedLeftCentreRight)
{
    ASSERT_EQ(rows[5].cells.size(), 3u);
    const long alignments[] = {word::wdAlignParagraphLeft, word::wdAlignParagraphCenter, word::wdAlignParagraphRight};
    const QStringList texts = {QStringLiteral("2019-2024"), QStringLiteral("Acme Corp"), QStringLiteral("Boston")};
    for (size_t i = 0; i < 3; ++i) {
        const CellView &cell = rows[5].cells[i];
        EXPECT_EQ(cell.paragraphs, QStringList{texts.at(static_cast<int>(i))});
        EXPECT_EQ(cell.format.columnSpan, 1);
        EXPECT_EQ(cell.format.verticalAlignment, word::wdCellAlignVerticalBottom);
        EXPECT_EQ(paragraphOf(cell.marks[0]).alignment, alignments[i]);
        EXPECT_EQ(markFormat(cell.marks[0]).fontName, QStringLiteral("Calibri"));
    }
}

TEST_F(EngineResumeModel, TitleStaysPlainWhileTheThreeDutiesCarryTheBullet)
{
    const CellView &cell = rows[6].cells[0];
    ASSERT_EQ(cell.paragraphs, (QStringList{QStringLiteral("Senior Developer"), QStringLiteral("Led the team"),
                                            QStringLiteral("Shipped releases"), QStringLiteral("Mentored juniors")}));
    EXPECT_EQ(paragraphOf(cell.marks[0]).list, -1);
    for (size_t i = 1; i < 4; ++i)
        EXPECT_EQ(paragraphOf(cell.marks[i]).list, 0) << cell.paragraphs.at(static_cast<int>(i)).toStdString();
    const CharacterFormat title = StoryInspection::formatOf(story(), QStringLiteral("Senior"));
    EXPECT_EQ(title.fontName, QStringLiteral("Tahoma"));
    EXPECT_EQ(title.sizeHalfPoints, 20);
    EXPECT_TRUE(title.bold);
    const CharacterFormat duty = StoryInspection::formatOf(story(), QStringLiteral("Shipped"));
    EXPECT_EQ(duty.fontName, QStringLiteral("Times New Roman"));
    EXPECT_EQ(duty.sizeHalfPoints, 22);
    EXPECT_FALSE(duty.bold);
    // Nothing outside that cell is bulleted.
    int bulleted = 0;
    for (int i = 0; i < story().size(); ++i)
        bulleted += story().at(i).endsParagraph() && paragraphOf(story().at(i)).list >= 0;
    EXPECT_EQ(bulleted, 3);
}

TEST_F(EngineResumeModel, BulletTemplateIsTheWingdingsBulletAtQuarterAndHalfInch)
{
    const auto &lists = StoryInspection::model(*document).lists;
    ASSERT_EQ(lists.size(), 1u);
    EXPECT_EQ(lists[0].name, QStringLiteral("my list"));
    EXPECT_TRUE(lists[0].outlineNumbered);
    const ListLevelFormat &level = lists[0].levels[0];
    EXPECT_EQ(level.numberFormat, QString(QChar(0xF0A7)));
    EXPECT_EQ(level.numberStyle, word::wdListNumberStyleBullet);
    EXPECT_EQ(level.fontName, QStringLiteral("Wingdings"));
    EXPECT_EQ(level.numberPositionPoints, 18);
    EXPECT_EQ(level.textPositionPoints, 36);
    EXPECT_EQ(level.tabPositionPoints, 36);
    // wdUndefined left every other property of the bullet's font alone.
    EXPECT_TRUE(level.fontProperties.empty());
}
