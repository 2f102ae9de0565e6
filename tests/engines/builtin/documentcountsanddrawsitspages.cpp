// The document's page members answer from a layout of its current content:
// the page count, each page's picture and going to a page, also after an edit.
#include "builtinengine.h"
#include "objectivefiller.h"
#include "sampledocument.h"
#include "storyinspection.h"

#include "objects/builtinrange.h"
#include "automation/word/constants.h"
#include "automation/word/engine.h"
#include "automation/failure.h"
#include "automation/word/range.h"
#include "automation/word/selection.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <limits>

namespace {

class DocumentCountsAndDrawsItsPages : public ::testing::Test {
protected:
    void SetUp() override { application = engine::builtInEngine()->create(); }
    void TearDown() override { application->quit(); }

    int pages(word::Document &document)
    {
        return document.builtInDocumentProperties(word::wdPropertyPages).toInt();
    }

    std::shared_ptr<word::Application> application;
};

} // namespace

TEST_F(DocumentCountsAndDrawsItsPages, CountsPagesOfTheContentAsItIsNow)
{
    auto document = application->documents()->add();
    auto selection = document->activeWindowSelection();
    document->repaginate();
    EXPECT_EQ(pages(*document), 1) << "an empty document has one page";
    for (int i = 0; i < 40; ++i)
        selection->typeText(QStringLiteral("Line %1\r\n").arg(i));
    EXPECT_EQ(pages(*document), 2) << "the count follows an edit even without Repaginate";
    EXPECT_FALSE(document->pagePicture(2, 63).isNull());
}

TEST_F(DocumentCountsAndDrawsItsPages, DrawsEveryPageAtTheAskedResolutionAndRefusesOthers)
{
    auto document = SampleDocument(*application).buildResume(objectiveFiller(70));
    document->repaginate();
    const int count = pages(*document);
    ASSERT_EQ(count, 6);
    for (int page = 1; page <= count; ++page)
        EXPECT_EQ(document->pagePicture(page, 126).size(), QSize(1071, 1386)) << page;
    EXPECT_THROW(document->pagePicture(0, 63), automation::Failure);
    EXPECT_THROW(document->pagePicture(count + 1, 63), automation::Failure);
    EXPECT_THROW(document->pagePicture(1, std::numeric_limits<double>::quiet_NaN()), automation::Failure);
}

TEST_F(DocumentCountsAndDrawsItsPages, GoToPagePutsTheInsertionPointAtThePagesStart)
{
    auto document = application->documents()->add();
    auto selection = document->activeWindowSelection();
    for (int i = 0; i < 100; ++i)
        selection->typeText(QStringLiteral("Line %1\r\n").arg(i));
    ASSERT_EQ(pages(*document), 4);
    // 29 one-line paragraphs fill a page, so page 2 begins with line 29.
    selection->goTo(word::wdGoToPage, word::wdGoToAbsolute, 2);
    selection->moveRight(word::wdCharacter, 7, word::wdExtend);
    const auto range = std::dynamic_pointer_cast<engine::BuiltInRange>(selection->range());
    EXPECT_EQ(StoryInspection::text(StoryInspection::model(*document).story, range->from(), range->to()),
              QStringLiteral("Line 29"));
    selection->goTo(word::wdGoToPage, word::wdGoToNext, 1);
    EXPECT_THROW(selection->goTo(word::wdGoToLine, word::wdGoToNext, 1), automation::Failure);
    selection->goTo(word::wdGoToPage, word::wdGoToLast, 0);
    selection->moveRight(word::wdCharacter, 7, word::wdExtend);
    const auto last = std::dynamic_pointer_cast<engine::BuiltInRange>(selection->range());
    EXPECT_EQ(StoryInspection::text(StoryInspection::model(*document).story, last->from(), last->to()),
              QStringLiteral("Line 87"));
}

TEST_F(DocumentCountsAndDrawsItsPages, DrawsAPageInTwipsAsItsPictureShowsIt)
{
    auto document = application->documents()->add();
    auto selection = document->activeWindowSelection();
    for (int i = 0; i < 40; ++i)
        selection->typeText(QStringLiteral("Line %1\r\n").arg(i));
    constexpr double pixelsPerInch = 96;
    const QImage picture = document->pagePicture(2, pixelsPerInch);
    QImage drawn(picture.size(), QImage::Format_RGB32);
    drawn.fill(Qt::white);
    QPainter painter(&drawn);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.scale(pixelsPerInch / 1440, pixelsPerInch / 1440);
    EXPECT_EQ(document->drawPage(2, painter), QSizeF(12240, 15840)) << "US Letter";
    painter.end();
    EXPECT_EQ(drawn, picture.convertToFormat(drawn.format()));
    QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter elsewhere(&scratch);
    EXPECT_THROW(document->drawPage(3, elsewhere), automation::Failure);
    EXPECT_THROW(document->drawPage(0, elsewhere), automation::Failure);
}
