// What the generator asks of a table and a list, as LibreOffice lays it out:
// pixel checks at chosen points of page pictures at one pixel per point
// (Letter page, 1-inch margins, so the text area starts at 72, 72).
#include "engines/libreoffice/libreofficeengine.h"
#include "automation/word/application.h"
#include "automation/word/constants.h"
#include "automation/word/document.h"
#include "automation/word/engine.h"
#include "automation/failure.h"
#include "automation/word/font.h"
#include "automation/word/listtemplate.h"
#include "automation/word/range.h"
#include "automation/word/selection.h"
#include "automation/word/table.h"
#include "support/testenvironment.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

constexpr double onePixelPerPoint = 72;

bool hasInk(const QImage &picture, int left, int right, int top, int bottom)
{
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (qGray(picture.pixel(x, y)) < 140)
                return true;
    return false;
}

// The first row at or below `from` with ink between `left` and `right`, or -1.
int firstInkRow(const QImage &picture, int left, int right, int from)
{
    for (int y = from; y < picture.height(); ++y)
        if (hasInk(picture, left, right, y, y + 1))
            return y;
    return -1;
}

// The vertical extents of the text lines between `left` and `right`.
std::vector<std::pair<int, int>> lineBands(const QImage &picture, int left, int right)
{
    std::vector<std::pair<int, int>> bands;
    for (int y = 0; y < picture.height(); ++y) {
        if (!hasInk(picture, left, right, y, y + 1))
            continue;
        if (!bands.empty() && bands.back().second >= y - 2)
            bands.back().second = y;
        else
            bands.push_back({y, y});
    }
    return bands;
}

std::shared_ptr<word::ListTemplate> bulletTemplate(word::Application &application, word::Document &document)
{
    auto bullets = document.addListTemplate(QStringLiteral("my list"), true);
    auto level = bullets->listLevels(1);
    level->setNumberFormat(QString(QChar(0xF0A7)));
    level->setNumberStyle(word::wdListNumberStyleBullet);
    level->setNumberPosition(application.inchesToPoints(0.25));
    level->setTextPosition(application.inchesToPoints(0.5));
    level->setTabPosition(application.inchesToPoints(0.5));
    level->font()->setName(QStringLiteral("Wingdings"));
    return bullets;
}

class OfficeFormatting : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_application = engines::libreoffice::engine()->create(); }
    static void TearDownTestSuite()
    {
        s_application->quit();
        s_application.reset();
    }

    static std::shared_ptr<word::Application> s_application;
};

std::shared_ptr<word::Application> OfficeFormatting::s_application;

} // namespace

TEST_F(OfficeFormatting, TableWidthsMinimumHeightsMergesAndRules)
{
    auto document = s_application->documents()->add();
    auto selection = document->activeWindowSelection();
    auto table = document->addTable(selection->range(), 3, 3, word::wdWord9TableBehavior, word::wdAutoFitFixed);
    const double widths[] = {100, 240, 100};
    for (int column = 1; column <= 3; ++column)
        table->columns(column)->setWidth(widths[column - 1]);
    table->rows(1)->setHeight(50);
    table->setStyle(QStringLiteral("Table Normal"));

    // Row 1 merged by moving over its three end-of-cell marks; a rule under it.
    EXPECT_EQ(selection->moveRight(word::wdCharacter, 3, word::wdExtend), 3);
    selection->cells()->merge();
    selection->typeText(QStringLiteral("Heading"));
    auto borders = selection->cells()->borders();
    borders->item(word::wdBorderBottom)->setLineStyle(word::wdLineStyleSingle);
    borders->item(word::wdBorderBottom)->setLineWidth(word::wdLineWidth150pt);
    borders->item(word::wdBorderBottom)->setColor(word::wdColorAutomatic);

    // Row 2, cell by cell; row 3 grows with text in its middle cell.
    for (const char *text : {"AAAA", "BBBB", "CCCC"}) {
        selection->moveRight(word::wdCell, 1);
        selection->typeText(QString::fromLatin1(text));
    }
    selection->moveRight(word::wdCell, 1);
    selection->moveRight(word::wdCell, 1);
    selection->typeText(QString(40, QLatin1Char('W')).replace(QLatin1Char('W'), QStringLiteral("WWW ")));

    const QImage page = document->pagePicture(1, onePixelPerPoint);
    // The rule spans the table's 440 points just below row 1's minimum
    // height; the table starts 5.4 points left of the margin, so that the
    // text in its cells, padded 5.4 points, lines up with the margin.
    const int rule = firstInkRow(page, 300, 310, 100);
    EXPECT_GE(rule, 72 + 50 - 2);
    EXPECT_LE(rule, 72 + 56);
    EXPECT_TRUE(hasInk(page, 67, 70, rule, rule + 2) && hasInk(page, 500, 505, rule, rule + 2));
    EXPECT_FALSE(hasInk(page, 0, 65, rule, rule + 2));
    EXPECT_FALSE(hasInk(page, 509, 612, rule, rule + 2)) << "the table is 440 points wide";
    EXPECT_TRUE(hasInk(page, 72, 84, 72, 90)) << "the heading stands at the top left of its row, as a plain paragraph";

    // Row 2's texts start where the columns of 100, 240 and 100 points put them.
    const int row2 = firstInkRow(page, 70, 165, rule + 3);
    ASSERT_GT(row2, rule);
    EXPECT_FALSE(hasInk(page, 60, 71, row2, row2 + 8));
    EXPECT_TRUE(hasInk(page, 72, 78, row2, row2 + 8)) << "column 1's text at the margin";
    EXPECT_FALSE(hasInk(page, 166, 171, row2, row2 + 8));
    EXPECT_TRUE(hasInk(page, 172, 178, row2, row2 + 8)) << "column 2's text 100 points on";
    EXPECT_FALSE(hasInk(page, 406, 411, row2, row2 + 8));
    EXPECT_TRUE(hasInk(page, 412, 418, row2, row2 + 8)) << "column 3's text 240 points further";
    EXPECT_FALSE(hasInk(page, 163, 170, row2 + 20, row2 + 60)) << "no grid line: the style draws no borders";

    // Row 3 wraps within column 2 only, many lines deep.
    EXPECT_TRUE(hasInk(page, 172, 402, row2 + 60, row2 + 70));
    EXPECT_FALSE(hasInk(page, 405, 612, row2 + 30, row2 + 70));
    document->close(word::wdDoNotSaveChanges);
}

TEST_F(OfficeFormatting, ANewDocumentOnA4KeepsItsTablesWidthsBetweenTheMargins)
{
    const testsupport::ScopedVariable paper("PAPERSIZE", "a4");
    auto document = s_application->documents()->add();
    auto selection = document->activeWindowSelection();
    auto table = document->addTable(selection->range(), 1, 3, word::wdWord9TableBehavior, word::wdAutoFitFixed);
    // A new table spans A4's narrower text: 595.3 less two inches, in three.
    EXPECT_NEAR(table->columns(1)->width() * 3, 11906 / 20.0 - 144, 0.1);
    const double widths[] = {100, 240, 100};
    for (int column = 1; column <= 3; ++column)
        table->columns(column)->setWidth(widths[column - 1]);
    table->setStyle(QStringLiteral("Table Normal"));
    // A rule under the whole row shows where the table ends.
    selection->moveRight(word::wdCharacter, 3, word::wdExtend);
    auto rule = selection->cells()->borders()->item(word::wdBorderBottom);
    rule->setLineStyle(word::wdLineStyleSingle);
    rule->setLineWidth(word::wdLineWidth150pt);
    const QImage page = document->pagePicture(1, onePixelPerPoint);
    EXPECT_NEAR(page.width(), 595, 1) << "an A4 page at one pixel per point";
    EXPECT_NEAR(page.height(), 842, 1);
    const int bottom = firstInkRow(page, 70, 100, 72);
    ASSERT_GT(bottom, 72);
    EXPECT_TRUE(hasInk(page, 67, 70, bottom, bottom + 2) && hasInk(page, 500, 505, bottom, bottom + 2));
    EXPECT_FALSE(hasInk(page, 509, 595, bottom, bottom + 2)) << "the table is 440 points wide on A4 too";
    document->close(word::wdDoNotSaveChanges);
}

TEST_F(OfficeFormatting, ListLevelPositionsTheBulletAndTheText)
{
    auto document = s_application->documents()->add();
    auto selection = document->activeWindowSelection();
    selection->typeText(QStringLiteral("Bulleted line"));
    auto bullets = document->addListTemplate(QStringLiteral("my list"), true);
    EXPECT_EQ(bullets->name(), QStringLiteral("my list"));
    auto level = bullets->listLevels(1);
    level->setNumberFormat(QString(QChar(0xF0A7)));
    level->setTrailingCharacter(word::wdTrailingTab);
    level->setNumberStyle(word::wdListNumberStyleBullet);
    level->setNumberPosition(s_application->inchesToPoints(0.25));
    level->setAlignment(word::wdListLevelAlignLeft);
    level->setTextPosition(s_application->inchesToPoints(0.5));
    level->setTabPosition(s_application->inchesToPoints(0.5));
    level->setResetOnHigher(0);
    level->setStartAt(1);
    level->font()->set(word::FontProperty::Bold, word::wdUndefined);
    level->font()->setName(QStringLiteral("Wingdings"));
    EXPECT_EQ(level->font()->name(), QStringLiteral("Wingdings"));
    level->setLinkedStyle(QString());
    EXPECT_THROW(bullets->listLevels(10), automation::Failure);

    const QImage before = document->pagePicture(1, onePixelPerPoint);
    EXPECT_TRUE(hasInk(before, 72, 80, 72, 90)) << "unbulleted, the text starts at the margin";
    selection->homeKey(word::wdLine, word::wdExtend);
    selection->range()->listFormat()->applyListTemplate(bullets, false, word::wdListApplyToThisPointForward,
                                                        word::wdWord10ListBehavior);
    const QImage after = document->pagePicture(1, onePixelPerPoint);
    EXPECT_FALSE(hasInk(after, 72, 88, 72, 90)) << "nothing left of the bullet";
    EXPECT_TRUE(hasInk(after, 89, 100, 72, 90)) << "the bullet at a quarter inch";
    EXPECT_FALSE(hasInk(after, 100, 107, 72, 90));
    EXPECT_TRUE(hasInk(after, 108, 114, 72, 90)) << "the text at half an inch";
    document->close(word::wdDoNotSaveChanges);
}

// The responsibilities recipe on a title and three duties in a merged row:
// by lines up from the last duty, three lines down into the next row, three
// characters back over its end-of-row and end-of-cell marks. For each line
// of the cell, whether it carries a bullet.
std::vector<bool> bulletedLines(word::Application &application, const QString &duties)
{
    auto document = application.documents()->add();
    auto selection = document->activeWindowSelection();
    document->addTable(selection->range(), 2, 3, word::wdWord9TableBehavior, word::wdAutoFitFixed)
        ->setStyle(QStringLiteral("Table Normal"));
    selection->moveRight(word::wdCharacter, 3, word::wdExtend);
    selection->cells()->merge();
    selection->typeText(QStringLiteral("Title\r\n") + duties);
    const auto bullets = bulletTemplate(application, *document);
    selection->homeKey(word::wdLine);
    EXPECT_EQ(selection->moveUp(word::wdLine, 2), 2);
    EXPECT_EQ(selection->moveDown(word::wdLine, 3, word::wdExtend), 3);
    EXPECT_EQ(selection->moveLeft(word::wdCharacter, 3, word::wdExtend), 3);
    selection->range()->listFormat()->applyListTemplate(bullets, false, word::wdListApplyToThisPointForward,
                                                        word::wdWord10ListBehavior);
    const QImage page = document->pagePicture(1, onePixelPerPoint);
    document->close(word::wdDoNotSaveChanges);
    std::vector<bool> bulleted;
    for (const auto &[top, bottom] : lineBands(page, 70, 540))
        bulleted.push_back(hasInk(page, 88, 98, top, bottom + 1) && !hasInk(page, 70, 86, top, bottom + 1));
    return bulleted;
}

TEST_F(OfficeFormatting, TheBulletRecipeBulletsThreeOneLineDutiesAndNotTheTitle)
{
    EXPECT_EQ(bulletedLines(*s_application, QStringLiteral("Duty one\r\nDuty two\r\nDuty three")),
              (std::vector<bool>{false, true, true, true}));
}

// A last duty over two lines shifts the stretch down by a line: the first duty
// falls outside it, and the title stays unbulleted.
TEST_F(OfficeFormatting, AWrappingLastDutyShiftsTheBulletedStretch)
{
    const QString longDuty = QString(30, QLatin1Char('x')).replace(QLatin1Char('x'), QStringLiteral("word "));
    EXPECT_EQ(bulletedLines(*s_application, QStringLiteral("Duty one\r\nDuty two\r\n") + longDuty),
              (std::vector<bool>{false, false, true, true, false}));
}

// With three empty duties the moves come back over the end-of-row and
// end-of-cell marks to the start of the second: only the first is bulleted,
// as the built-in engine does it. Writer had gone down into the middle cell
// of the row below and come back to the end of the third, bulleting all three.
TEST_F(OfficeFormatting, ThreeEmptyDutiesGetOneBulletAsInTheBuiltInEngine)
{
    EXPECT_EQ(bulletedLines(*s_application, QStringLiteral("\r\n\r\n")), (std::vector<bool>{false, true}));
}

TEST_F(OfficeFormatting, AnEmptyMiddleDutyStaysInTheBulletedStretch)
{
    EXPECT_EQ(bulletedLines(*s_application, QStringLiteral("Duty one\r\n\r\nDuty three")),
              (std::vector<bool>{false, true, true, true}));
}
