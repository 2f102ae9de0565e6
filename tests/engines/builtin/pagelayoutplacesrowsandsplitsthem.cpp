// The layout puts the resume table where Word's defaults put it: text in line
// with the margin, rows at least their minimum height with bottom-aligned
// text, rules under the headings, and rows split between lines across pages.
#include "builtinengine.h"
#include "footrowdocument.h"
#include "objectivefiller.h"
#include "sampledocument.h"
#include "storyinspection.h"

#include "layout/documentlayout.h"
#include "automation/word/engine.h"
#include "automation/word/selection.h"
#include "automation/word/table.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace engine;

namespace {

constexpr int marginTwips = 1440;
constexpr int paddingTwips = 108;
constexpr int textBottomTwips = 15840 - 1440;
constexpr int spaceAfterTwips = 160;

class PageLayoutPlacesRowsAndSplitsThem : public ::testing::Test {
protected:
    void SetUp() override { application = engine::builtInEngine()->create(); }
    void TearDown() override { application->quit(); }

    // The visual line that starts with `text`.
    const VisualLine &lineStarting(const DocumentLayout &layout, const QString &text)
    {
        for (const VisualLine &line : layout.lines()) {
            const ParagraphLine &paragraphLine = layout.paragraphLine(line);
            if (StoryInspection::text(model->story, paragraphLine.from, paragraphLine.to).startsWith(text))
                return line;
        }
        throw std::logic_error("no such line");
    }
    // The last visual line of the paragraph whose first line starts with `text`.
    const VisualLine &lastLineOf(const DocumentLayout &layout, const QString &text)
    {
        const VisualLine &first = lineStarting(layout, text);
        const VisualLine *last = &first;
        for (const VisualLine &line : layout.lines())
            last = line.paragraph == first.paragraph ? &line : last;
        return *last;
    }
    int bottomOf(const DocumentLayout &layout, const VisualLine &line)
    {
        return line.topTwips + layout.paragraphLine(line).heightTwips;
    }

    // A table of a filler row of `fillerPoints` and a bottom-aligned heading
    // row of 25 pt below it, ruled `ruleWidth` (none for 0), then
    // `laterRows` of 25 pt, bottom-aligned, each a ruled heading where its
    // text starts with "# "; `model` becomes the document's.
    std::shared_ptr<word::Document> ruledHeadingBelowFiller(double fillerPoints, long ruleWidth = word::wdLineWidth150pt,
                                                            const QStringList &laterRows = {})
    {
        auto document = application->documents()->add();
        auto selection = document->activeWindowSelection();
        const int rows = 2 + static_cast<int>(laterRows.size());
        auto table = document->addTable(selection->range(), rows, 1, word::wdWord9TableBehavior, word::wdAutoFitFixed);
        table->setStyle(QStringLiteral("Table Normal"));
        table->rows(1)->setHeight(fillerPoints);
        for (int row = 2; row <= rows; ++row)
            table->rows(row)->setHeight(25);
        selection->typeText(QStringLiteral("Filler"));
        selection->moveRight(word::wdCell, 1);
        typeBottomAlignedRow(*selection, QStringLiteral("# References"), ruleWidth);
        for (const QString &row : laterRows) {
            selection->moveRight(word::wdCell, 1);
            typeBottomAlignedRow(*selection, row, word::wdLineWidth150pt);
        }
        model = &StoryInspection::model(*document);
        return document;
    }
    // The line of ruledHeadingBelowFiller's heading, laid out away from the foot.
    ParagraphLine measuredHeadingLine()
    {
        auto document = ruledHeadingBelowFiller(100);
        const DocumentLayout layout = DocumentLayout::build(*model);
        const ParagraphLine line = layout.paragraphLine(lineStarting(layout, QStringLiteral("References")));
        document->close(word::wdDoNotSaveChanges);
        return line;
    }
    // Types `text` into the selected cell, aligned to its bottom: a heading
    // in bold Tahoma ruled `ruleWidth` below where it starts with "# ".
    static void typeBottomAlignedRow(word::Selection &selection, const QString &text, long ruleWidth)
    {
        const bool heading = text.startsWith(QLatin1String("# "));
        selection.font()->setSize(heading ? 12 : 11);
        selection.font()->setName(heading ? QStringLiteral("Tahoma") : QStringLiteral("Calibri"));
        selection.font()->setBold(heading);
        selection.typeText(heading ? text.mid(2) : text);
        selection.cells()->setVerticalAlignment(word::wdCellAlignVerticalBottom);
        if (heading && ruleWidth > 0) {
            auto rule = selection.cells()->borders()->item(word::wdBorderBottom);
            rule->setLineStyle(word::wdLineStyleSingle);
            rule->setLineWidth(ruleWidth);
        }
    }

    // The layout of a filler row, then a row `roomTwips` above the foot whose
    // cells hold `cells`, each aligned by `alignment`, and a last row holding
    // `nextRow` where that is given; `model` becomes the document's, which
    // stays open until the test ends.
    DocumentLayout rowAboveFoot(int roomTwips, int minimumPoints, long alignment, const QStringList &cells,
                                const QString &nextRow = QString())
    {
        auto document = application->documents()->add();
        auto selection = document->activeWindowSelection();
        const long columns = static_cast<long>(cells.size());
        const long rows = nextRow.isEmpty() ? 2 : 3;
        auto table =
            document->addTable(selection->range(), rows, columns, word::wdWord9TableBehavior, word::wdAutoFitFixed);
        table->setStyle(QStringLiteral("Table Normal"));
        table->rows(1)->setHeight((textBottomTwips - marginTwips - roomTwips) / 20.0);
        if (minimumPoints > 0)
            table->rows(2)->setHeight(minimumPoints);
        selection->typeText(QStringLiteral("Filler"));
        for (const QString &cell : cells) {
            selection->moveRight(word::wdCell, &cell == &cells.front() ? columns : 1);
            selection->typeText(cell);
            selection->cells()->setVerticalAlignment(alignment);
        }
        if (!nextRow.isEmpty()) {
            selection->moveRight(word::wdCell, 1);
            selection->typeText(nextRow);
        }
        model = &StoryInspection::model(*document);
        openDocuments.push_back(document);
        return DocumentLayout::build(*model);
    }

    std::vector<std::shared_ptr<word::Document>> openDocuments;

    std::shared_ptr<word::Application> application;
    const DocumentModel *model = nullptr;
};

// A row placed `roomTwips` above the foot, and what a test expects of it.
struct RowAtFoot {
    QStringList cells;
    int roomTwips;
    int minimumPoints;
    bool expected;
};

// `count` words that each name themselves, so that every line starts uniquely.
QString numberedWords(const QString &stem, int count)
{
    QStringList words;
    for (int i = 1; i <= count; ++i)
        words << stem + QString::number(i);
    return words.join(QLatin1Char(' '));
}

} // namespace

TEST_F(PageLayoutPlacesRowsAndSplitsThem, TableTextLinesUpWithTheMarginInsideCellPadding)
{
    auto document = SampleDocument(*application).buildResume();
    model = &StoryInspection::model(*document);
    const DocumentLayout layout = DocumentLayout::build(*model);
    // Columns of 100, 240 and 100 pt, the table 5.4 pt left of the margin.
    const int left = marginTwips - paddingTwips;
    const std::pair<QString, int> cells[] = {
        {QStringLiteral("2019"), left}, {QStringLiteral("Acme"), left + 2000}, {QStringLiteral("Boston"), left + 6800}};
    for (const auto &[text, cellLeft] : cells) {
        const VisualLine &line = lineStarting(layout, text);
        EXPECT_EQ(line.cellLeftTwips, cellLeft) << text.toStdString();
        EXPECT_EQ(line.columnLeftTwips, cellLeft + paddingTwips) << text.toStdString();
    }
    EXPECT_EQ(lineStarting(layout, QStringLiteral("Jane")).cellRightTwips, left + 8800);
    // Right alignment ends the city at the padding of the last cell.
    const VisualLine &city = lineStarting(layout, QStringLiteral("Boston"));
    EXPECT_NEAR(city.columnLeftTwips + layout.caretXTwips(city).back(), left + 8800 - paddingTwips, 1);
}

TEST_F(PageLayoutPlacesRowsAndSplitsThem, RowsAreAtLeastTheirMinimumHeightWithTheirTextAtTheBottom)
{
    auto document = SampleDocument(*application).buildResume();
    model = &StoryInspection::model(*document);
    const DocumentLayout layout = DocumentLayout::build(*model);
    // Row 1 is top-aligned and taller than its 15 pt: its text starts at the margin.
    const VisualLine &contact = lineStarting(layout, QStringLiteral("12 Elm"));
    EXPECT_EQ(contact.topTwips, marginTwips);
    const int nameRowTop = bottomOf(layout, contact) + spaceAfterTwips;
    // Row 2 is 40 pt high and bottom-aligned: the name and its space after end there.
    const VisualLine &name = lineStarting(layout, QStringLiteral("Jane"));
    EXPECT_EQ(bottomOf(layout, name) + spaceAfterTwips, nameRowTop + 800);
    // The details row (30 pt) keeps its three cells on one baseline.
    EXPECT_EQ(lineStarting(layout, QStringLiteral("2019")).topTwips,
              lineStarting(layout, QStringLiteral("Boston")).topTwips);
}

TEST_F(PageLayoutPlacesRowsAndSplitsThem, HeadingsHaveRulesOfOneAndOneAndAHalfPointsAlongTheirRowsBottom)
{
    auto document = SampleDocument(*application).buildResume();
    model = &StoryInspection::model(*document);
    const DocumentLayout layout = DocumentLayout::build(*model);
    const std::vector<RuleLine> &rules = layout.page(0).rules;
    ASSERT_EQ(rules.size(), 3u) << "Objective, Experience and References";
    EXPECT_EQ(rules[0].heightTwips, 20);
    EXPECT_EQ(rules[1].heightTwips, 30);
    EXPECT_EQ(rules[2].heightTwips, 30);
    for (const RuleLine &rule : rules) {
        EXPECT_EQ(rule.leftTwips, marginTwips - paddingTwips);
        EXPECT_EQ(rule.widthTwips, 8800);
    }
    // A rule lies just below its row: the objective's 25 pt row starts where the rule does.
    const VisualLine &objective = lineStarting(layout, QStringLiteral("To build"));
    EXPECT_EQ(bottomOf(layout, objective) + spaceAfterTwips, rules[0].topTwips + 500);
}

TEST_F(PageLayoutPlacesRowsAndSplitsThem, ALongRowSplitsBetweenLinesOntoTheNextPages)
{
    auto document = SampleDocument(*application).buildResume(objectiveFiller(70));
    model = &StoryInspection::model(*document);
    const DocumentLayout layout = DocumentLayout::build(*model);
    ASSERT_GE(layout.pageCount(), 3);
    const int objectiveCell = lineStarting(layout, QStringLiteral("To build")).cellEnd;
    int previousPage = 0;
    for (const VisualLine &line : layout.lines()) {
        EXPECT_LE(bottomOf(layout, line), textBottomTwips) << "a line runs into the bottom margin";
        EXPECT_GE(line.topTwips, marginTwips);
        if (line.cellEnd == objectiveCell && line.page != previousPage) {
            // Each part of the split row starts at the top of its page, below
            // the room kept for the Objective's 1 pt rule, as LibreOffice does.
            EXPECT_EQ(line.topTwips, marginTwips + 20);
            previousPage = line.page;
        }
    }
    EXPECT_GE(previousPage, 2) << "the objective row should run over three pages";
    EXPECT_EQ(lineStarting(layout, QStringLiteral("References")).page, layout.pageCount() - 1);
}

TEST_F(PageLayoutPlacesRowsAndSplitsThem, BodyParagraphsFlowOntoANewPageAndARowWithRoomOnlyForItsLinesMovesWhole)
{
    auto document = application->documents()->add();
    auto selection = document->activeWindowSelection();
    // 26 paragraphs of one line leave 66.9 pt: room for a line, not for a 100 pt row.
    for (int i = 0; i < 26; ++i)
        selection->typeText(QStringLiteral("Paragraph %1\r\n").arg(i));
    auto table = document->addTable(selection->range(), 1, 1, word::wdWord9TableBehavior, word::wdAutoFitFixed);
    table->rows(1)->setHeight(100);
    selection->typeText(QStringLiteral("Cell"));
    model = &StoryInspection::model(*document);
    const DocumentLayout layout = DocumentLayout::build(*model);
    EXPECT_EQ(lineStarting(layout, QStringLiteral("Paragraph 25")).page, 0);
    const VisualLine &cell = lineStarting(layout, QStringLiteral("Cell"));
    EXPECT_EQ(cell.page, 1);
    // Below the grid's 0.5 pt top line.
    EXPECT_EQ(cell.topTwips, marginTwips + 10);
    EXPECT_EQ(layout.pageCount(), 2);

    // Three more paragraphs: the 30th no longer fits on the first page.
    selection->homeKey(word::wdStory);
    for (int i = 0; i < 4; ++i)
        selection->typeText(QStringLiteral("Before %1\r\n").arg(i));
    const DocumentLayout longer = DocumentLayout::build(*model);
    EXPECT_EQ(lineStarting(longer, QStringLiteral("Paragraph 24")).page, 0);
    EXPECT_EQ(lineStarting(longer, QStringLiteral("Paragraph 25")).page, 1);
    EXPECT_EQ(lineStarting(longer, QStringLiteral("Paragraph 25")).topTwips, marginTwips);
}

TEST_F(PageLayoutPlacesRowsAndSplitsThem, AMinimumHeightTallerThanAPageIsCutToThePage)
{
    auto document = application->documents()->add();
    auto selection = document->activeWindowSelection();
    auto table = document->addTable(selection->range(), 2, 1, word::wdWord9TableBehavior, word::wdAutoFitFixed);
    table->rows(1)->setHeight(1000);
    selection->typeText(QStringLiteral("Tall"));
    model = &StoryInspection::model(*document);
    const DocumentLayout layout = DocumentLayout::build(*model);
    // The tall row fills page 1; the next row and the final paragraph go to page 2.
    EXPECT_EQ(layout.pageCount(), 2);
    EXPECT_EQ(lineStarting(layout, QStringLiteral("Tall")).page, 0);
    EXPECT_EQ(layout.lines().back().page, 1);
    // Its grid's bottom line closes it inside the foot of the page, not on the next one.
    const std::vector<RuleLine> &rules = layout.page(0).rules;
    EXPECT_TRUE(std::any_of(rules.begin(), rules.end(), [](const RuleLine &rule) {
        return rule.widthTwips > rule.heightTwips && rule.topTwips + rule.heightTwips == textBottomTwips;
    }));
}

TEST_F(PageLayoutPlacesRowsAndSplitsThem, JustifiedLinesReachTheRightMarginAllButTheLast)
{
    auto document = application->documents()->add();
    auto selection = document->activeWindowSelection();
    selection->paragraphFormat()->setAlignment(word::wdAlignParagraphJustify);
    selection->typeText(QStringLiteral("Justified text stretches the spaces of every line but the last, so that both "
                                       "edges of the paragraph are straight, which suits a cover letter well enough."));
    model = &StoryInspection::model(*document);
    const DocumentLayout layout = DocumentLayout::build(*model);
    ASSERT_GE(layout.lines().size(), 2u);
    const int rightMargin = 12240 - marginTwips;
    // The caret before the space that ends the first line stands at the margin.
    EXPECT_NEAR(marginTwips + layout.caretXTwips(layout.lines()[0]).back(), rightMargin, 2);
    EXPECT_LT(marginTwips + layout.caretXTwips(layout.lines()[1]).back(), rightMargin - 400);
}

namespace {

// The horizontal rules of page `page` that lie below `bottomTwips` by at most `gapTwips`.
int rulesJustBelow(const DocumentLayout &layout, int page, int bottomTwips, int gapTwips)
{
    int count = 0;
    for (const RuleLine &rule : layout.page(page).rules) {
        if (rule.widthTwips > rule.heightTwips && rule.topTwips >= bottomTwips && rule.topTwips <= bottomTwips + gapTwips)
            ++count;
    }
    return count;
}

} // namespace

TEST_F(PageLayoutPlacesRowsAndSplitsThem, AHeadingAtThePageFootMovesWithItsRuleRatherThanLeaveItBehind)
{
    // A filler row of growing height walks a ruled heading row down the foot
    // of the first page one point at a time.
    int headingsMovedForTheirSpaceAfter = 0;
    for (int fillerPoints = 600; fillerPoints <= 640; ++fillerPoints) {
        auto document = ruledHeadingBelowFiller(fillerPoints);
        const DocumentLayout layout = DocumentLayout::build(*model);

        const VisualLine &heading = lineStarting(layout, QStringLiteral("References"));
        // The space after the heading lies between its line and the rule.
        EXPECT_EQ(rulesJustBelow(layout, heading.page, bottomOf(layout, heading), spaceAfterTwips + 20), 1)
            << "filler of " << fillerPoints << " pt: the heading's rule is not under it on page " << heading.page + 1;
        const int rowTop = marginTwips + fillerPoints * 20;
        const bool lineAloneFits = rowTop + layout.paragraphLine(heading).heightTwips <= textBottomTwips;
        if (heading.page == 1 && lineAloneFits) {
            ++headingsMovedForTheirSpaceAfter;
            EXPECT_EQ(heading.topTwips + layout.paragraphLine(heading).heightTwips + spaceAfterTwips,
                      marginTwips + 500)
                << "the moved row keeps its 25 pt and its text at the bottom";
        }
        document->close(word::wdDoNotSaveChanges);
    }
    EXPECT_GT(headingsMovedForTheirSpaceAfter, 0) << "no filler put the heading's line at the very foot";
}

TEST_F(PageLayoutPlacesRowsAndSplitsThem, AHeadingLineStaysAtTheFootWhereItsTextClearsTheRuleUnlessItsRowEndsTheTable)
{
    // A heading row held open past the foot by its minimum height keeps its
    // line on the page where the line's text clears the bottom rule by a
    // twip, its line spacing hanging past the foot, as LibreOffice prints it;
    // the table's last row, ruled below, it moves on whole.
    const ParagraphLine line = measuredHeadingLine();
    const int textTwips = line.heightTwips - line.leadingTwips;
    struct Case {
        long ruleWidth;
        int ruleTwips;
        QStringList nextRow;
        int clearanceTwips;
        bool stays;
    };
    const QStringList next = {QStringLiteral("Next row")};
    for (const Case &c : {Case{word::wdLineWidth050pt, 10, next, 1, true}, Case{word::wdLineWidth050pt, 10, next, 0, false},
                          Case{word::wdLineWidth150pt, 30, next, 1, true}, Case{word::wdLineWidth150pt, 30, next, 0, false},
                          Case{word::wdLineWidth150pt, 30, {}, 41, false}, Case{0, 0, {}, 41, true}}) {
        const int roomTwips = textTwips + c.ruleTwips + c.clearanceTwips;
        auto document = ruledHeadingBelowFiller((textBottomTwips - marginTwips - roomTwips) / 20.0, c.ruleWidth, c.nextRow);
        const DocumentLayout layout = DocumentLayout::build(*model);
        EXPECT_EQ(lineStarting(layout, QStringLiteral("References")).page, c.stays ? 0 : 1)
            << roomTwips << " twips of room, a rule of " << c.ruleTwips << (c.nextRow.isEmpty() ? ", last row" : "");
        document->close(word::wdDoNotSaveChanges);
    }
}

TEST_F(PageLayoutPlacesRowsAndSplitsThem, AHeadingMovedOnForItsRuleAloneLeavesLaterHeadingsBelowPlainRowsAtTheirTop)
{
    // A heading row whose line would fit at the foot but for its rule moves
    // on; on the page it opens, LibreOffice sets a later ruled row that
    // follows an unruled one at the top of its cell, and keeps the others,
    // the moved row too, at the bottom of theirs.
    const ParagraphLine line = measuredHeadingLine();
    const int textTwips = line.heightTwips - line.leadingTwips;
    const int headingDropTwips = 500 - line.heightTwips - spaceAfterTwips;
    for (const auto &[roomTwips, dropAfterPlain] : {std::pair{textTwips + 1, 0}, std::pair{textTwips, headingDropTwips}}) {
        auto document =
            ruledHeadingBelowFiller((textBottomTwips - marginTwips - roomTwips) / 20.0, word::wdLineWidth150pt,
                                    {QStringLiteral("# Ruled below ruled"), QStringLiteral("Plain"),
                                     QStringLiteral("# Ruled below plain"), QStringLiteral("After")});
        const DocumentLayout layout = DocumentLayout::build(*model);
        const auto dropOf = [&](const QString &text, int rowTopTwips) {
            return lineStarting(layout, text).topTwips - rowTopTwips;
        };
        EXPECT_EQ(lineStarting(layout, QStringLiteral("References")).page, 1) << roomTwips << " twips of room";
        EXPECT_EQ(dropOf(QStringLiteral("References"), marginTwips), headingDropTwips);
        EXPECT_EQ(dropOf(QStringLiteral("Ruled below ruled"), marginTwips + 500), headingDropTwips);
        EXPECT_EQ(dropOf(QStringLiteral("Ruled below plain"), marginTwips + 1500), dropAfterPlain)
            << roomTwips << " twips of room";
        document->close(word::wdDoNotSaveChanges);
    }
}

TEST_F(PageLayoutPlacesRowsAndSplitsThem, RowsEndWhereLibreOfficeEndsTheLastLineOfACell)
{
    // LibreOffice gives the line that ends a cell the fonts' own height and
    // 8 % of the font's size, not the paragraph's line spacing: rows of one
    // line of Calibri 11 and of bold Tahoma 12 take 446 and 419 twips, space
    // after included, where a page of them would otherwise drift by a twip
    // or three a row.
    auto document = application->documents()->add();
    auto selection = document->activeWindowSelection();
    document->addTable(selection->range(), 3, 1, word::wdWord9TableBehavior, word::wdAutoFitFixed)
        ->setStyle(QStringLiteral("Table Normal"));
    typeBottomAlignedRow(*selection, QStringLiteral("Plain"), 0);
    selection->moveRight(word::wdCell, 1);
    typeBottomAlignedRow(*selection, QStringLiteral("# Heading"), 0);
    selection->moveRight(word::wdCell, 1);
    typeBottomAlignedRow(*selection, QStringLiteral("After"), 0);
    model = &StoryInspection::model(*document);
    const DocumentLayout layout = DocumentLayout::build(*model);
    const int headingTop = lineStarting(layout, QStringLiteral("Heading")).topTwips;
    EXPECT_EQ(headingTop - lineStarting(layout, QStringLiteral("Plain")).topTwips, 446);
    EXPECT_EQ(lineStarting(layout, QStringLiteral("After")).topTwips - headingTop, 419);
    document->close(word::wdDoNotSaveChanges);
}

TEST_F(PageLayoutPlacesRowsAndSplitsThem, ALineAtTheFootStaysOnlyWithItsTextATwipAboveIt)
{
    // The third line of a paragraph of several, its text 842 twips below the
    // row's top: LibreOffice moves it on with 842 twips of room and keeps it
    // with 843.
    for (const auto &[roomTwips, stays] : {std::pair{842, false}, std::pair{843, true}}) {
        const DocumentLayout layout =
            rowAboveFoot(roomTwips, 0, word::wdCellAlignVerticalTop, {numberedWords(QStringLiteral("word"), 80)});
        EXPECT_EQ(lineStarting(layout, QStringLiteral("word26")).page, stays ? 0 : 1) << roomTwips << " twips of room";
    }
}

TEST_F(PageLayoutPlacesRowsAndSplitsThem, ALineWhoseTextFitsTheFootExactlyStaysThere)
{
    // Bold Tahoma 10 is 200 twips high to the twip: LibreOffice keeps such a
    // line, opening a row that runs on, with 200 twips of room and moves it
    // on with 199.
    for (const auto &[roomTwips, page] : {std::pair{200, 0}, std::pair{199, 1}}) {
        auto document = application->documents()->add();
        auto selection = document->activeWindowSelection();
        auto table = document->addTable(selection->range(), 2, 1, word::wdWord9TableBehavior, word::wdAutoFitFixed);
        table->setStyle(QStringLiteral("Table Normal"));
        table->rows(1)->setHeight((textBottomTwips - marginTwips - roomTwips) / 20.0);
        selection->typeText(QStringLiteral("Filler"));
        selection->moveRight(word::wdCell, 1);
        selection->font()->setName(QStringLiteral("Tahoma"));
        selection->font()->setSize(10);
        selection->font()->setBold(true);
        selection->typeText(QStringLiteral("Title\r\nBelow"));
        model = &StoryInspection::model(*document);
        const DocumentLayout layout = DocumentLayout::build(*model);
        EXPECT_EQ(lineStarting(layout, QStringLiteral("Title")).page, page) << roomTwips << " twips of room";
        document->close(word::wdDoNotSaveChanges);
    }
}

TEST_F(PageLayoutPlacesRowsAndSplitsThem, AOneLineParagraphOpeningASplitRowLeavesItsRoomWheneverItsSpaceAfterDoesNotFit)
{
    // A paragraph of one line, 447 twips with its space after, opens a cell
    // that runs on: LibreOffice starts the rest of the cell that far down the
    // next page wherever the line fits and its space after does not, however
    // little of that space is left out.
    const QString cell = QStringLiteral("Opening\r\nSecond\r\nThird");
    for (const auto &[roomTwips, carried] : {std::pair{428, true}, std::pair{445, true}, std::pair{447, false}}) {
        const DocumentLayout layout = rowAboveFoot(roomTwips, 0, word::wdCellAlignVerticalTop, {cell});
        const VisualLine &second = lineStarting(layout, QStringLiteral("Second"));
        EXPECT_EQ(second.page, 1);
        EXPECT_EQ(second.topTwips, marginTwips + (carried ? 447 : 0)) << roomTwips << " twips of room";
    }
}

TEST_F(PageLayoutPlacesRowsAndSplitsThem, AnEmptyRowMayNotReachPastTheFootWhereARowOfTextMay)
{
    // A row of one line of Calibri 11 takes 446 twips, its space after
    // included: LibreOffice keeps a row of text with a twip less room than
    // that, and moves an empty one on.
    for (const auto &[text, roomTwips, stays] :
         {std::tuple{QStringLiteral("Alpha"), 445, true}, std::tuple{QString(), 445, false},
          std::tuple{QString(), 446, true}}) {
        const DocumentLayout layout =
            rowAboveFoot(roomTwips, 0, word::wdCellAlignVerticalTop, {text}, QStringLiteral("Next row"));
        const VisualLine &next = lineStarting(layout, QStringLiteral("Next"));
        EXPECT_EQ(next.topTwips, marginTwips + (stays ? 0 : 446))
            << "\"" << text.toStdString() << "\" with " << roomTwips << " twips of room";
    }
}

TEST_F(PageLayoutPlacesRowsAndSplitsThem, AParagraphGoingOnAboveMoreOfItsCellAlignsInThePartHeldPastTheFoot)
{
    // A bottom-aligned row of 25 pt at least, 400 twips above the foot, opens
    // with a paragraph of several lines. Above more of the cell LibreOffice
    // sets its first line's text on the foot, whatever the paragraph's space
    // after; as the cell's last paragraph, whose space after does not fit,
    // it stays at the part's top.
    const int roomTwips = 400;
    for (const auto &[cell, dropTwips] :
         {std::pair{numberedWords(QStringLiteral("w"), 30) + QStringLiteral("\r\nThird"), roomTwips - 268},
          std::pair{numberedWords(QStringLiteral("w"), 60), 0}}) {
        const DocumentLayout layout = rowAboveFoot(roomTwips, 25, word::wdCellAlignVerticalBottom, {cell});
        EXPECT_EQ(lineStarting(layout, QStringLiteral("w1 ")).topTwips, textBottomTwips - roomTwips + dropTwips);
    }
}

TEST_F(PageLayoutPlacesRowsAndSplitsThem, ACellsLastSpaceAfterReachingATwipPastTheFootIsCutThereInASplitRow)
{
    // Three bottom-aligned cells of a row of 30 pt at least, 732 twips above
    // the foot: one line, three lines that run on, and two lines ending the
    // cell 733 twips down with their space after. LibreOffice cuts that
    // space at the foot and aligns every cell by its text in the 600 twips.
    const int roomTwips = 732;
    const DocumentLayout layout =
        rowAboveFoot(roomTwips, 30, word::wdCellAlignVerticalBottom,
                     {QStringLiteral("Single"), numberedWords(QStringLiteral("a"), 24), numberedWords(QStringLiteral("b"), 16)});
    const int rowTop = textBottomTwips - roomTwips;
    EXPECT_EQ(lineStarting(layout, QStringLiteral("Single")).topTwips, rowTop + 600 - 446);
    EXPECT_EQ(lineStarting(layout, QStringLiteral("a1 ")).topTwips, rowTop + 600 - (2 * 287 - 19));
    EXPECT_EQ(lineStarting(layout, QStringLiteral("b1 ")).topTwips, rowTop + 600 - (287 + 286 - 18));
}

TEST_F(PageLayoutPlacesRowsAndSplitsThem, ARowReachingOneTwipPastTheFootStaysThereAsLibreOfficeKeepsIt)
{
    // The heading row takes 500 twips and its rule 30 below them.
    const int roomForHeadingRowTwips = textBottomTwips - 530 - marginTwips;
    for (const auto &[overshootTwips, page] : {std::pair{0, 0}, std::pair{1, 0}, std::pair{2, 1}}) {
        auto document = ruledHeadingBelowFiller((roomForHeadingRowTwips + overshootTwips) / 20.0);
        const DocumentLayout layout = DocumentLayout::build(*model);
        EXPECT_EQ(lineStarting(layout, QStringLiteral("References")).page, page)
            << "a heading row " << overshootTwips << " twips past the foot";
        document->close(word::wdDoNotSaveChanges);
    }
}

TEST_F(PageLayoutPlacesRowsAndSplitsThem, ARuledCellOfASplitRowIsClosedByItsRuleOnEachPage)
{
    auto document = application->documents()->add();
    auto selection = document->activeWindowSelection();
    for (int i = 0; i < 25; ++i)
        selection->typeText(QStringLiteral("Paragraph %1\r\n").arg(i));
    auto table = document->addTable(selection->range(), 1, 2, word::wdWord9TableBehavior, word::wdAutoFitFixed);
    table->setStyle(QStringLiteral("Table Normal"));
    selection->typeText(QStringLiteral("Title\r\nSubtitle"));
    auto rule = selection->cells()->borders()->item(word::wdBorderBottom);
    rule->setLineStyle(word::wdLineStyleSingle);
    rule->setLineWidth(word::wdLineWidth150pt);
    selection->moveRight(word::wdCell, 1);
    // The second cell runs on to the next page; the first cell's two lines fit on this one.
    for (int i = 0; i < 6; ++i)
        selection->typeText(QStringLiteral("Item %1\r\n").arg(i));
    selection->typeText(QStringLiteral("Last item"));
    model = &StoryInspection::model(*document);
    const DocumentLayout layout = DocumentLayout::build(*model);
    ASSERT_EQ(lineStarting(layout, QStringLiteral("Item 0")).page, 0) << "the row should start on page 1";
    const VisualLine &last = lineStarting(layout, QStringLiteral("Last item"));
    ASSERT_EQ(last.page, 1) << "the row should end on page 2";
    // As LibreOffice prints the saved file: the lines stay where they fit,
    // and the rule closes the cell at the page's foot, then opens and closes
    // its part on the next page.
    EXPECT_EQ(lineStarting(layout, QStringLiteral("Title")).page, 0);
    EXPECT_EQ(lineStarting(layout, QStringLiteral("Subtitle")).page, 0);
    EXPECT_EQ(rulesJustBelow(layout, 0, textBottomTwips - 30, 0), 1) << "no rule at the foot of page 1";
    EXPECT_EQ(rulesJustBelow(layout, 1, marginTwips, 0), 1) << "no rule atop the part on page 2";
    EXPECT_EQ(rulesJustBelow(layout, 1, bottomOf(layout, last), spaceAfterTwips), 1) << "no rule under the row";
}

TEST_F(PageLayoutPlacesRowsAndSplitsThem, AFirstParagraphShortOfRoomOnlyForItsSpaceAfterMovesItsRowMinimumOrNot)
{
    // A filler row walks a row down the foot of the first page; its first
    // cell holds one paragraph of two lines, its second cell one line.
    // LibreOffice moves such a row whole, whether it has a minimum height or not.
    int movedWhole = 0;
    int movedWithMinimum = 0;
    for (int fillerPoints = 590; fillerPoints <= 630; ++fillerPoints) {
        for (const int minimumPoints : {0, 20}) {
            const FootRowDocument built(*application, fillerPoints, minimumPoints,
                                        QStringLiteral("Two lines of text in the first cell of the row, long enough to wrap"),
                                        QStringLiteral("Single"));
            word::Document *document = &built.document();
            model = &StoryInspection::model(*document);
            const DocumentLayout layout = DocumentLayout::build(*model);

            const VisualLine &first = lineStarting(layout, QStringLiteral("Two lines"));
            const VisualLine &single = lineStarting(layout, QStringLiteral("Single"));
            const int room = textBottomTwips - (marginTwips + fillerPoints * 20);
            const int lines = 2 * layout.paragraphLine(first).heightTwips;
            // Only where the row's lines fit and the space after them does not.
            if (room >= lines && room < lines + spaceAfterTwips) {
                EXPECT_EQ(first.page, single.page) << fillerPoints << " pt of filler: the row split";
                movedWhole += minimumPoints == 0 && first.page == 1 ? 1 : 0;
                movedWithMinimum += minimumPoints > 0 && first.page == 1 ? 1 : 0;
            }
            document->close(word::wdDoNotSaveChanges);
        }
    }
    EXPECT_GT(movedWhole, 0) << "without a minimum height the row should move on whole";
    EXPECT_GT(movedWithMinimum, 0) << "a minimum height lower than the row's lines should not keep it";
}

TEST_F(PageLayoutPlacesRowsAndSplitsThem, AShortLastParagraphAtTheFootStaysWhereAnotherCellSplitsTheRow)
{
    // The row's first cell is long enough to be split by the foot whatever the
    // filler; its second cell ends with a paragraph of two lines. Where both
    // lines fit and their space after does not, LibreOffice keeps them there.
    int keptAtTheFoot = 0;
    for (int fillerPoints = 590; fillerPoints <= 630; ++fillerPoints) {
        const FootRowDocument built(*application, fillerPoints, 0,
                                    QStringLiteral("Many lines of text in the first cell of the row. ").repeated(8),
                                    QStringLiteral("Two lines of text in the second cell of the row, long enough to wrap"));
        word::Document *document = &built.document();
        model = &StoryInspection::model(*document);
        const DocumentLayout layout = DocumentLayout::build(*model);

        const VisualLine &two = lineStarting(layout, QStringLiteral("Two lines"));
        const ParagraphLine &line = layout.paragraphLine(two);
        const int room = textBottomTwips - (marginTwips + fillerPoints * 20);
        if (room >= 2 * line.heightTwips - line.leadingTwips && room < 2 * line.heightTwips + spaceAfterTwips) {
            EXPECT_EQ(two.page, 0) << fillerPoints << " pt of filler: the short paragraph moved on";
            keptAtTheFoot += two.page == 0 ? 1 : 0;
        }
        document->close(word::wdDoNotSaveChanges);
    }
    EXPECT_GT(keptAtTheFoot, 0) << "no filler put the two lines at the very foot";
}

TEST_F(PageLayoutPlacesRowsAndSplitsThem, AnEmptyParagraphAtTheFootStaysWhereTheRowsMinimumHeightHoldsThePartOpen)
{
    // The row's first cell opens with an empty paragraph. Where its line fits
    // at the foot and its space after does not, LibreOffice moves the row on,
    // unless the row's minimum height reaches past the foot: then the empty
    // paragraph stays and the text below it starts the next page.
    int heldOpen = 0;
    int movedOn = 0;
    for (int fillerPoints = 590; fillerPoints <= 630; ++fillerPoints) {
        for (const int minimumPoints : {0, 50}) {
            const FootRowDocument built(*application, fillerPoints, minimumPoints,
                                        QStringLiteral("\r\nBelow the empty paragraph"), QStringLiteral("Single"));
            word::Document *document = &built.document();
            model = &StoryInspection::model(*document);
            const DocumentLayout layout = DocumentLayout::build(*model);

            const VisualLine &below = lineStarting(layout, QStringLiteral("Below"));
            const VisualLine &empty = *(&below - 1);
            const ParagraphLine &emptyLine = layout.paragraphLine(empty);
            const int room = textBottomTwips - (marginTwips + fillerPoints * 20);
            if (room >= emptyLine.heightTwips && room < emptyLine.heightTwips + spaceAfterTwips) {
                const bool held = minimumPoints * 20 > room;
                EXPECT_EQ(empty.page, held ? 0 : 1) << fillerPoints << " pt of filler, minimum " << minimumPoints;
                EXPECT_EQ(below.page, 1);
                EXPECT_EQ(below.topTwips, held ? marginTwips : bottomOf(layout, empty) + spaceAfterTwips)
                    << fillerPoints << " pt of filler, minimum " << minimumPoints;
                heldOpen += held ? 1 : 0;
                movedOn += held ? 0 : 1;
            }
            document->close(word::wdDoNotSaveChanges);
        }
    }
    EXPECT_GT(heldOpen, 0) << "no filler put the empty line at the very foot of a row with a minimum height";
    EXPECT_GT(movedOn, 0) << "no filler put the empty line at the very foot of a row without one";
}

TEST_F(PageLayoutPlacesRowsAndSplitsThem, TheParagraphAfterATableAtTheFootHangsItsLineSpacingPastItRatherThanTakeAPage)
{
    // A filler row walks the table's last row, and the document's last
    // paragraph below the table, down the foot of the first page twip by
    // twip. LibreOffice keeps that paragraph on the page while no more than
    // its line spacing hangs past the foot.
    int hanging = 0;
    int movedOn = 0;
    for (int fillerTwips = 12200; fillerTwips <= 12260; fillerTwips += 3) {
        auto document = application->documents()->add();
        auto selection = document->activeWindowSelection();
        auto table = document->addTable(selection->range(), 2, 1, word::wdWord9TableBehavior, word::wdAutoFitFixed);
        table->setStyle(QStringLiteral("Table Normal"));
        table->rows(1)->setHeight(fillerTwips / 20.0);
        selection->typeText(QStringLiteral("Filler"));
        selection->moveRight(word::wdCell, 1);
        selection->typeText(QStringLiteral("Omega"));
        model = &StoryInspection::model(*document);
        const DocumentLayout layout = DocumentLayout::build(*model);
        const VisualLine &omega = lineStarting(layout, QStringLiteral("Omega"));
        const VisualLine &last = layout.lines().back();
        const ParagraphLine &lastLine = layout.paragraphLine(last);
        ASSERT_EQ(omega.page, 0);
        const int overTwips = bottomOf(layout, omega) + spaceAfterTwips + lastLine.heightTwips - textBottomTwips;
        if (overTwips > 0 && overTwips <= 2 * lastLine.leadingTwips) {
            const bool hangs = overTwips <= lastLine.leadingTwips;
            EXPECT_EQ(last.page, hangs ? 0 : 1) << overTwips << " twips past the foot";
            hanging += hangs ? 1 : 0;
            movedOn += hangs ? 0 : 1;
        }
        document->close(word::wdDoNotSaveChanges);
    }
    EXPECT_GT(hanging, 0) << "no filler let the last line hang past the foot by its spacing";
    EXPECT_GT(movedOn, 0) << "no filler put the last line past the foot by more than its spacing";
}

TEST_F(PageLayoutPlacesRowsAndSplitsThem, ARowHeldPastTheFootAlignsItsCellsOnlyWhereEachFirstLineFitsWithItsSpaceAfter)
{
    // A bottom-aligned row of 40 pt at least starts 31 pt or 20 pt above the
    // foot. LibreOffice aligns the cells in the row's first part, cut at the
    // foot where each cell's first line fits with its space after, whether a
    // second cell ends there, the row has no other or every cell runs on;
    // where that does not fit, the lines stay at the part's top.
    const QString manyLines = QStringLiteral("Many lines of text in this cell of the row. ").repeated(8);
    struct Case {
        int columns;
        bool everyCellRunsOn;
        int roomTwips;
        bool aligned;
    };
    for (const Case &row : {Case{2, false, 620, true}, Case{1, true, 620, true}, Case{1, true, 400, false},
                            Case{2, true, 620, true}, Case{2, true, 400, false}}) {
        const int fillerTwips = textBottomTwips - marginTwips - row.roomTwips;
        auto document = application->documents()->add();
        auto selection = document->activeWindowSelection();
        auto table =
            document->addTable(selection->range(), 2, row.columns, word::wdWord9TableBehavior, word::wdAutoFitFixed);
        table->setStyle(QStringLiteral("Table Normal"));
        table->rows(1)->setHeight(fillerTwips / 20.0);
        table->rows(2)->setHeight(40);
        selection->typeText(QStringLiteral("Filler"));
        selection->moveRight(word::wdCell, row.columns);
        selection->typeText(QStringLiteral("First ") + manyLines);
        selection->cells()->setVerticalAlignment(word::wdCellAlignVerticalBottom);
        if (row.columns == 2) {
            selection->moveRight(word::wdCell, 1);
            selection->typeText(row.everyCellRunsOn ? QStringLiteral("Second ") + manyLines : QStringLiteral("Second"));
            selection->cells()->setVerticalAlignment(word::wdCellAlignVerticalBottom);
        }
        model = &StoryInspection::model(*document);
        const DocumentLayout layout = DocumentLayout::build(*model);
        const VisualLine &first = lineStarting(layout, QStringLiteral("First"));
        ASSERT_EQ(first.page, 0);
        const int rowTopTwips = marginTwips + fillerTwips;
        if (row.aligned)
            EXPECT_GT(first.topTwips, rowTopTwips) << row.columns << " columns, " << row.roomTwips
                                                   << " twips: the first part's cells were not aligned in it";
        else
            EXPECT_EQ(first.topTwips, rowTopTwips) << "the first part's lines moved down to its bottom";
        document->close(word::wdDoNotSaveChanges);
    }
}

TEST_F(PageLayoutPlacesRowsAndSplitsThem, ALastLineShortOfRoomForItsSpaceAfterMovesOnUnlessTheMinimumHeightHoldsIt)
{
    // The row's first cell opens with a paragraph of several lines and runs on
    // past the foot. Where the paragraph's last line fits and its space after
    // does not, LibreOffice moves that line on; a minimum height reaching past
    // the foot and holding the space keeps the line at the foot.
    const QString opening = QStringLiteral("Opening words of the first paragraph in this cell. ").repeated(4);
    const QString rest = QStringLiteral("\r\nMore of the same cell below it. ").repeated(12);
    int movedOn = 0;
    int keptByTheMinimum = 0;
    for (int fillerPoints = 560; fillerPoints <= 640; ++fillerPoints) {
        for (const int minimumPoints : {0, 120}) {
            const FootRowDocument built(*application, fillerPoints, minimumPoints, opening + rest,
                                        QStringLiteral("Single"));
            word::Document *document = &built.document();
            model = &StoryInspection::model(*document);
            const DocumentLayout layout = DocumentLayout::build(*model);

            const int paragraph = lineStarting(layout, QStringLiteral("Opening")).paragraph;
            std::vector<const VisualLine *> lines;
            for (const VisualLine &line : layout.lines())
                if (line.paragraph == paragraph)
                    lines.push_back(&line);
            ASSERT_GE(lines.size(), 3u);
            const VisualLine &last = *lines.back();
            const VisualLine &beforeLast = *lines[lines.size() - 2];
            const int room = textBottomTwips - (marginTwips + fillerPoints * 20);
            const int bottom = beforeLast.topTwips - lines.front()->topTwips + 2 * layout.paragraphLine(last).heightTwips;
            if (beforeLast.page == 0 && room >= bottom && room < bottom + spaceAfterTwips) {
                if (minimumPoints == 0) {
                    EXPECT_EQ(last.page, 1) << fillerPoints << " pt of filler: the last line stayed";
                    movedOn += last.page == 1 ? 1 : 0;
                } else {
                    EXPECT_EQ(last.page, 0) << fillerPoints << " pt of filler: the minimum height did not hold it";
                    keptByTheMinimum += last.page == 0 ? 1 : 0;
                }
            }
            document->close(word::wdDoNotSaveChanges);
        }
    }
    EXPECT_GT(movedOn, 0) << "no filler left only the last line's space after short of room";
    EXPECT_GT(keptByTheMinimum, 0) << "no filler put the last line at the foot inside the minimum height";
}

TEST_F(PageLayoutPlacesRowsAndSplitsThem, ARowBelowOnlyASplitRowsRestAlignsItsCellsInItsTallestPart)
{
    // A row whose first cell runs on past the foot and whose second,
    // bottom-aligned, ends in the row's first part. Below other content
    // LibreOffice leaves that second cell at the part's top; on a page that
    // holds only the rest of a row split from the page before, it aligns it
    // at the bottom of the first cell's part.
    auto lines = [](const QString &word, int count) {
        QString text;
        for (int i = 1; i <= count; ++i)
            text += (i > 1 ? QStringLiteral("\r\n") : QString()) + word + QString::number(i);
        return text;
    };
    for (const bool restAbove : {false, true}) {
        auto document = application->documents()->add();
        auto selection = document->activeWindowSelection();
        auto table = document->addTable(selection->range(), 2, 2, word::wdWord9TableBehavior, word::wdAutoFitFixed);
        table->setStyle(QStringLiteral("Table Normal"));
        selection->typeText(restAbove ? lines(QStringLiteral("Filler"), 33) : QStringLiteral("Filler"));
        selection->moveRight(word::wdCell, 2);
        selection->typeText(lines(QStringLiteral("Long"), 80));
        selection->moveRight(word::wdCell, 1);
        selection->typeText(QStringLiteral("Second"));
        selection->cells()->setVerticalAlignment(word::wdCellAlignVerticalBottom);
        model = &StoryInspection::model(*document);
        const DocumentLayout layout = DocumentLayout::build(*model);
        const VisualLine &longTop = lineStarting(layout, QStringLiteral("Long1"));
        const VisualLine &second = lineStarting(layout, QStringLiteral("Second"));
        ASSERT_EQ(second.page, longTop.page);
        ASSERT_EQ(longTop.page, restAbove ? 1 : 0);
        if (restAbove)
            EXPECT_GT(second.topTwips, longTop.topTwips + 4000) << "the second cell stayed at the part's top";
        else
            EXPECT_EQ(second.topTwips, longTop.topTwips) << "the second cell moved down below other content";
        document->close(word::wdDoNotSaveChanges);
    }
}

TEST_F(PageLayoutPlacesRowsAndSplitsThem, ACellsLastParagraphLeavesItsLoneFirstLineAtTheFootOnlyWithRoomForItsSpaceAfter)
{
    // The row's first cell holds a paragraph of four lines and below it a
    // last paragraph of two, whose first line ends 1595 twips below the
    // row's top. Where only that line fits, LibreOffice keeps it at the foot
    // if its space after fits under it as well, and otherwise moves the
    // whole paragraph on.
    const QString text = numberedWords(QStringLiteral("open"), 20) + QStringLiteral("\r\n")
                         + numberedWords(QStringLiteral("close"), 10);
    for (const auto &[roomTwips, stays] : {std::pair{1750, false}, std::pair{1755, true}}) {
        const DocumentLayout layout =
            rowAboveFoot(roomTwips, 0, word::wdCellAlignVerticalTop, {text, QStringLiteral("Single")});
        EXPECT_EQ(lineStarting(layout, QStringLiteral("close1 ")).page, stays ? 0 : 1) << roomTwips << " twips of room";
        EXPECT_EQ(lineStarting(layout, QStringLiteral("close8")).page, 1);
    }
}

TEST_F(PageLayoutPlacesRowsAndSplitsThem, AParagraphOpeningASplitRowKeepsItsLastLineAsTheRowsMinimumHeightDecides)
{
    // A two-line paragraph opens the row's part at the foot, its space after
    // past it. Above more of its cell LibreOffice keeps its second line where
    // the row's minimum height holds a line, and moves it on otherwise; where
    // it ends its cell beside a cell that splits the row anyway, it moves the
    // line on once that height reaches down to the line's text.
    // Ten words fill two lines of a half-width cell, eighteen two of a whole-width one.
    const QString twoLines = numberedWords(QStringLiteral("alpha"), 10);
    const QString longCell = numberedWords(QStringLiteral("gamma"), 80);
    const QStringList aboveMore = {numberedWords(QStringLiteral("alpha"), 18) + QStringLiteral("\r\nBeta")};
    const QStringList besideLong = {twoLines, longCell};
    // `expected`: the second line stays at the foot.
    for (const RowAtFoot &row : {RowAtFoot{aboveMore, 640, 0, false}, RowAtFoot{aboveMore, 640, 25, true},
                                 RowAtFoot{besideLong, 707, 27, true}, RowAtFoot{besideLong, 707, 28, false}}) {
        const DocumentLayout layout =
            rowAboveFoot(row.roomTwips, row.minimumPoints, word::wdCellAlignVerticalBottom, row.cells);
        const QString second = row.cells.size() == 1 ? QStringLiteral("alpha14") : QStringLiteral("alpha7");
        EXPECT_EQ(lineStarting(layout, QStringLiteral("alpha1 ")).page, 0);
        EXPECT_EQ(lineStarting(layout, second).page, row.expected ? 0 : 1)
            << row.cells.size() << " cells, a minimum of " << row.minimumPoints << " pt";
    }
}

TEST_F(PageLayoutPlacesRowsAndSplitsThem, ALastLineBelowOthersStaysAtTheFootOnlyWithItsTextRightThere)
{
    // A three-line paragraph below another ends with its text just above the
    // foot, its line spacing and space after past it. LibreOffice keeps that
    // line where its text ends right at the foot and moves it on where a few
    // twips are left under it.
    for (const auto &[roomTwips, stays] : {std::pair{1290, true}, std::pair{1297, false}}) {
        const QString cell =
            QStringLiteral("One\r\n") + numberedWords(QStringLiteral("alpha"), 30) + QStringLiteral("\r\nThree");
        const DocumentLayout layout = rowAboveFoot(roomTwips, 25, word::wdCellAlignVerticalBottom, {cell});
        EXPECT_EQ(lineStarting(layout, QStringLiteral("alpha26")).page, stays ? 0 : 1) << roomTwips << " twips of room";
    }
}

TEST_F(PageLayoutPlacesRowsAndSplitsThem, ARowWhoseMinimumHeightRunsPastTheFootMovesOnOnlyWhereItsLineWouldFit)
{
    // A one-line row of 25 pt at least, its line and space after 447 twips,
    // above another row. LibreOffice splits it, its line at the foot, where
    // those 447 twips do not fit, and moves it on whole where they do.
    for (const auto &[roomTwips, stays] : {std::pair{420, true}, std::pair{446, false}}) {
        const DocumentLayout layout = rowAboveFoot(roomTwips, 25, word::wdCellAlignVerticalBottom,
                                                   {QStringLiteral("Heading")},
                                                   QStringLiteral("Next row"));
        EXPECT_EQ(lineStarting(layout, QStringLiteral("Heading")).page, stays ? 0 : 1) << roomTwips << " twips of room";
        EXPECT_EQ(lineStarting(layout, QStringLiteral("Next")).page, 1);
    }
}

TEST_F(PageLayoutPlacesRowsAndSplitsThem, RunningOnCellsAlignInTheMinimumHeightOnlyWhereTheirNextLineCouldNotFit)
{
    // A bottom-aligned row of 30 pt at least shows two lines of each of its
    // three cells above the foot. LibreOffice aligns them in that height
    // where each cell that runs on leaves only its paragraph's last line, or
    // where its next line would not fit even without the spacing above it;
    // a long cell beside them with room for that keeps every cell at the top.
    const QString threeLines = numberedWords(QStringLiteral("a"), 24);
    const QString manyLines = numberedWords(QStringLiteral("c"), 160);
    // `expected`: the cells are aligned in the minimum height.
    for (const RowAtFoot &row : {RowAtFoot{{threeLines, threeLines, threeLines}, 834, 30, true},
                                 RowAtFoot{{threeLines, QStringLiteral("Single"), manyLines}, 834, 30, false},
                                 RowAtFoot{{manyLines, manyLines, manyLines}, 815, 30, true},
                                 RowAtFoot{{manyLines, manyLines, manyLines}, 825, 30, false}}) {
        const DocumentLayout layout = rowAboveFoot(row.roomTwips, row.minimumPoints, word::wdCellAlignVerticalBottom,
                                                   row.cells, QStringLiteral("Next row"));
        const int rowTopTwips = textBottomTwips - row.roomTwips;
        const VisualLine &first = lineStarting(layout, row.cells.front().left(3));
        ASSERT_EQ(first.page, 0);
        if (row.expected)
            EXPECT_GT(first.topTwips, rowTopTwips) << row.roomTwips << " twips: the cells stayed at the part's top";
        else
            EXPECT_EQ(first.topTwips, rowTopTwips) << row.roomTwips << " twips: the cells were aligned";
    }
}

TEST_F(PageLayoutPlacesRowsAndSplitsThem, ATwoLineParagraphHeldPastTheFootBesideOtherCellsStaysAndLeavesNothingBehind)
{
    // A row of 30 pt at least starts 557 twips above the foot: its first
    // cell's two lines fit, their space after does not. Beside other cells
    // that end there LibreOffice keeps both lines, cuts the space after at
    // the foot, aligns the cells in the part and carries nothing of the row
    // to the next page; alone in its row the paragraph moves on with the
    // row. Sixteen words fill two lines of a third of the width, thirty of
    // the whole.
    const QStringList besideOthers = {numberedWords(QStringLiteral("a"), 16), QString(), QStringLiteral("Single")};
    const QStringList alone = {numberedWords(QStringLiteral("a"), 30)};
    for (const auto &[cells, stays] : {std::pair{besideOthers, true}, std::pair{alone, false}}) {
        const DocumentLayout layout =
            rowAboveFoot(557, 30, word::wdCellAlignVerticalBottom, cells, QStringLiteral("Next row"));
        const VisualLine &first = lineStarting(layout, QStringLiteral("a1 "));
        const VisualLine &last = lastLineOf(layout, QStringLiteral("a1 "));
        ASSERT_NE(&last, &first) << "the paragraph took one line";
        EXPECT_EQ(first.page, stays ? 0 : 1) << cells.size() << " cells";
        EXPECT_EQ(last.page, first.page) << cells.size() << " cells: the paragraph was split";
        if (stays) {
            EXPECT_GT(lineStarting(layout, QStringLiteral("Single")).topTwips, textBottomTwips - 557)
                << "the cells were not aligned in the part";
            EXPECT_EQ(lineStarting(layout, QStringLiteral("Next")).topTwips, marginTwips) << "the row ran on";
        }
    }
}

TEST_F(PageLayoutPlacesRowsAndSplitsThem, AShortLastParagraphAfterACellRunningOnKeepsItsLinesOnceTheMinimumHeightReachesThem)
{
    // A row starts 707 twips above the foot: its first cell runs on past
    // it, its last ends with a paragraph of two lines whose space after does
    // not fit. LibreOffice moves that paragraph's second line on, unless the
    // row's minimum height reaches down to it: then both lines stay, and
    // the cells are aligned in that height as if that space were not there.
    const QStringList cells = {numberedWords(QStringLiteral("a"), 48), QStringLiteral("Single"),
                               numberedWords(QStringLiteral("c"), 16)};
    for (const auto &[minimumPoints, stays] : {std::pair{27, false}, std::pair{28, true}}) {
        const DocumentLayout layout =
            rowAboveFoot(707, minimumPoints, word::wdCellAlignVerticalBottom, cells, QStringLiteral("Next row"));
        const VisualLine &second = lastLineOf(layout, QStringLiteral("c1 "));
        ASSERT_EQ(second.line, 1) << "the paragraph should take two lines";
        EXPECT_EQ(second.page, stays ? 0 : 1) << minimumPoints << " pt";
        if (stays) {
            EXPECT_GT(lineStarting(layout, QStringLiteral("Single")).topTwips, textBottomTwips - 707 + 100)
                << "the cells were not aligned in the minimum height";
        }
    }
}

TEST_F(PageLayoutPlacesRowsAndSplitsThem, ABottomAlignedThreeLineParagraphKeepsItsLinesUnlessAnotherCellHoldsALongParagraph)
{
    // A bottom-aligned row of 30 pt at least starts 939 twips above the foot;
    // a cell ends with a paragraph of three lines whose space after does not
    // fit. Beside a cell of one short line LibreOffice keeps all three lines
    // there; beside a paragraph of two lines it moves the third on.
    const QString threeLines = numberedWords(QStringLiteral("c"), 24);
    const QStringList besideShort = {threeLines, QStringLiteral("i"), QString()};
    const QStringList besideLong = {numberedWords(QStringLiteral("a"), 16), QStringLiteral("i"), threeLines};
    for (const auto &[cells, stays] : {std::pair{besideShort, true}, std::pair{besideLong, false}}) {
        const DocumentLayout layout =
            rowAboveFoot(939, 30, word::wdCellAlignVerticalBottom, cells, QStringLiteral("Next row"));
        const VisualLine &third = lastLineOf(layout, QStringLiteral("c1 "));
        ASSERT_EQ(third.line, 2) << "the paragraph should take three lines";
        EXPECT_EQ(third.page, stays ? 0 : 1) << (stays ? "beside one short line" : "beside two lines");
    }
}
