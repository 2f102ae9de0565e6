#include "form2fixture.h"
#include "support/widgets.h"

#include <QPushButton>
#include <QScrollBar>

TEST_F(Form2Test, FirstActivationShowsPageOneWholeAtZoomOne)
{
    auto form = loaded(1);
    EXPECT_FALSE(form->setUpPending());
    EXPECT_EQ(form->zoom(), 1.0f);
    // 536 x 693 pixels at 1.5 pixels per logical pixel, 15 twips each, less 2.
    EXPECT_EQ(form->view().origW, 5360 - 2);
    EXPECT_EQ(form->view().origH, 6930 - 2);
    EXPECT_EQ(form->view().newW, form->view().origW);
    EXPECT_EQ(testsupport::child<preview::PictureBox>(*form, "Picture1")->widthTwips(), form->view().newW);
    EXPECT_EQ(testsupport::child<preview::PictureBox>(*form, "Picture1")->leftTwips(), 0);
    EXPECT_EQ(testsupport::child<preview::PictureBox>(*form, "Picture1")->topTwips(), 0);
    EXPECT_FALSE(testsupport::child<QScrollBar>(*form, "HScroll1")->isEnabled());
    EXPECT_FALSE(testsupport::child<QScrollBar>(*form, "VScroll1")->isEnabled());
    EXPECT_EQ(form->view().hUnit, 0);
    EXPECT_EQ(form->view().vUnit, 0);
    EXPECT_TRUE(m_dialogs.messages().empty());
}

TEST_F(Form2Test, ZoomOutStepsDownToAQuarterAndStops)
{
    auto form = loaded(1);
    const float expected[] = {0.75f, 0.5f, 0.25f, 0.25f};
    for (float zoom : expected) {
        testsupport::child<QPushButton>(*form, "PushButton2")->click();
        EXPECT_EQ(form->zoom(), zoom);
        EXPECT_EQ(testsupport::child<preview::PictureBox>(*form, "Picture1")->widthTwips(), preview::zoomedExtent(form->view().origW, zoom));
    }
}

TEST_F(Form2Test, ZoomInPastTheDrawableSizeGoesBackToOne)
{
    auto form = loaded(1);
    testsupport::child<QPushButton>(*form, "PushButton1")->click();
    EXPECT_EQ(form->zoom(), 1.25f);
    testsupport::child<QPushButton>(*form, "PushButton1")->click();
    EXPECT_EQ(form->zoom(), 1.5f);
    const int widthAtLargest = testsupport::child<preview::PictureBox>(*form, "Picture1")->widthTwips();
    testsupport::child<QScrollBar>(*form, "VScroll1")->setValue(5);
    testsupport::child<QPushButton>(*form, "PushButton1")->click(); // 1.75 would be 12123 twips high
    EXPECT_EQ(form->zoom(), 1.0f);
    EXPECT_EQ(form->view().newW, form->view().origW);
    EXPECT_EQ(form->view().newH, form->view().origH);
    EXPECT_EQ(testsupport::child<preview::PictureBox>(*form, "Picture1")->widthTwips(), widthAtLargest) << "nothing is drawn";
    EXPECT_EQ(testsupport::child<preview::PictureBox>(*form, "Picture1")->topTwips(), 0) << "the page is homed";
    testsupport::child<QPushButton>(*form, "PushButton1")->click();
    EXPECT_EQ(form->zoom(), 1.25f) << "the next step starts from 1.0";
}

TEST_F(Form2Test, ScrollBarsCoverTheOverflowAndMoveThePage)
{
    auto form = loaded(1);
    testsupport::child<QPushButton>(*form, "PushButton1")->click();
    testsupport::child<QPushButton>(*form, "PushButton1")->click(); // 1.5: 8037 x 10392 twips in a 9330 x 7305 viewport
    EXPECT_FALSE(testsupport::child<QScrollBar>(*form, "HScroll1")->isEnabled());
    EXPECT_TRUE(testsupport::child<QScrollBar>(*form, "VScroll1")->isEnabled());
    EXPECT_EQ(form->view().vUnit, 10);
    EXPECT_EQ(testsupport::child<QScrollBar>(*form, "VScroll1")->maximum(), preview::roundHalfEven((form->view().newH - 7305) / 10.0));
    testsupport::child<QScrollBar>(*form, "VScroll1")->setValue(42);
    EXPECT_EQ(testsupport::child<preview::PictureBox>(*form, "Picture1")->topTwips(), -420);
    testsupport::child<QPushButton>(*form, "PushButton2")->click();
    EXPECT_EQ(testsupport::child<QScrollBar>(*form, "VScroll1")->value(), 0);
    EXPECT_EQ(testsupport::child<preview::PictureBox>(*form, "Picture1")->topTwips(), 0);
}

TEST_F(Form2Test, EveryZoomDrawsFromTheOriginalAtFullSharpness)
{
    auto form = loaded(1);
    testsupport::child<QPushButton>(*form, "PushButton1")->click();
    testsupport::child<QPushButton>(*form, "PushButton1")->click();
    const QImage drawn = testsupport::child<preview::PictureBox>(*form, "Picture1")->drawing();
    const qreal ratio = testsupport::child<preview::PictureBox>(*form, "Picture1")->devicePixelRatioF();
    EXPECT_EQ(drawn.width(), qRound(form->view().newW / 15.0 * ratio));
    // At zoom 1.5 every drawn pixel comes from one picture pixel: the black block's
    // edge at picture pixel 63 stays crisp.
    EXPECT_EQ(drawn.pixelColor(qRound(70 * ratio), qRound(70 * ratio)), QColor(Qt::black));
    EXPECT_EQ(drawn.pixelColor(qRound(60 * ratio), qRound(70 * ratio)), QColor(Qt::white));
    for (int i = 0; i < 5; ++i) {
        testsupport::child<QPushButton>(*form, "PushButton2")->click();
        testsupport::child<QPushButton>(*form, "PushButton1")->click();
    }
    EXPECT_EQ(testsupport::child<preview::PictureBox>(*form, "Picture1")->drawing(), drawn) << "zooming back and forth loses nothing";
}

TEST_F(Form2Test, ReactivationChangesNothing)
{
    auto form = loaded(1);
    testsupport::child<QPushButton>(*form, "PushButton1")->click();
    testsupport::child<QPushButton>(*form, "PushButton1")->click();
    testsupport::child<QScrollBar>(*form, "VScroll1")->setValue(30);
    activate(*form);
    EXPECT_EQ(form->zoom(), 1.5f);
    EXPECT_EQ(testsupport::child<QScrollBar>(*form, "VScroll1")->value(), 30);
    EXPECT_EQ(testsupport::child<preview::PictureBox>(*form, "Picture1")->topTwips(), -300);
}

TEST_F(Form2Test, ADisabledScrollBarShowsNoThumbLeftFromAnEarlierZoom)
{
    auto form = loaded(1);
    testsupport::child<QPushButton>(*form, "PushButton1")->click();
    testsupport::child<QPushButton>(*form, "PushButton1")->click();
    ASSERT_GT(testsupport::child<QScrollBar>(*form, "VScroll1")->maximum(), 0);
    testsupport::child<QPushButton>(*form, "PushButton2")->click();
    testsupport::child<QPushButton>(*form, "PushButton2")->click(); // back to the whole page
    EXPECT_FALSE(testsupport::child<QScrollBar>(*form, "VScroll1")->isEnabled());
    EXPECT_EQ(testsupport::child<QScrollBar>(*form, "VScroll1")->maximum(), 0) << "a range kept from before draws a thumb on the disabled bar";
    EXPECT_EQ(testsupport::child<QScrollBar>(*form, "HScroll1")->maximum(), 0);
}

namespace {

struct PaperRow {
    const char *name;
    QImage (*page)(QColor);
};

class Form2ZoomLadderTest : public Form2Test, public ::testing::WithParamInterface<PaperRow> {};

} // namespace

// Every factor of the ladder, on Letter and on A4: whole at 1.0, each zoom
// drawn from the unscaled size within the drawable limits with the scroll bars
// the overflow asks for, and back to 1.0 past the limit.
TEST_P(Form2ZoomLadderTest, EveryZoomKeepsTheLimitsAndScrollBarRules)
{
    auto form = loaded(1, GetParam().page);
    auto *page = testsupport::child<preview::PictureBox>(*form, "Picture1");
    auto *hBar = testsupport::child<QScrollBar>(*form, "HScroll1");
    auto *vBar = testsupport::child<QScrollBar>(*form, "VScroll1");
    // Both papers fill the box a Letter page fills: 462 logical pixels high.
    EXPECT_NEAR(form->view().origH, 6930 - 2, 15);
    auto expectView = [&](float zoom) {
        SCOPED_TRACE(zoom);
        ASSERT_EQ(form->zoom(), zoom);
        const qint32 width = preview::zoomedExtent(form->view().origW, zoom);
        const qint32 height = preview::zoomedExtent(form->view().origH, zoom);
        ASSERT_LT(width, preview::drawableWidthLimit);
        ASSERT_LT(height, preview::drawableHeightLimit);
        EXPECT_EQ(page->widthTwips(), width);
        EXPECT_EQ(page->heightTwips(), height);
        EXPECT_EQ(page->leftTwips(), 0);
        EXPECT_EQ(page->topTwips(), 0);
        const preview::ScrollSetup across = preview::scrollSetup(width, 9330);
        const preview::ScrollSetup down = preview::scrollSetup(height, 7305);
        EXPECT_EQ(hBar->isEnabled(), across.enabled);
        EXPECT_EQ(vBar->isEnabled(), down.enabled);
        EXPECT_EQ(hBar->maximum(), across.maximum);
        EXPECT_EQ(vBar->maximum(), down.maximum);
        EXPECT_EQ(form->view().hUnit, across.unit);
        EXPECT_EQ(form->view().vUnit, down.unit);
    };
    expectView(1.0f);
    EXPECT_FALSE(vBar->isEnabled()) << "the whole page shows at zoom 1.0";
    for (float zoom : {1.25f, 1.5f}) {
        testsupport::child<QPushButton>(*form, "PushButton1")->click();
        expectView(zoom);
    }
    EXPECT_TRUE(vBar->isEnabled());
    const qint32 heightAtLargest = page->heightTwips();
    testsupport::child<QPushButton>(*form, "PushButton1")->click();
    EXPECT_EQ(form->zoom(), 1.0f) << "1.75 is past the drawable height";
    EXPECT_EQ(page->heightTwips(), heightAtLargest) << "nothing is drawn";
    for (float zoom : {1.25f, 1.0f, 0.75f, 0.5f, 0.25f}) {
        testsupport::child<QPushButton>(*form, zoom > 1.0f ? "PushButton1" : "PushButton2")->click();
        expectView(zoom);
    }
    testsupport::child<QPushButton>(*form, "PushButton2")->click();
    expectView(0.25f);
}

INSTANTIATE_TEST_SUITE_P(Papers, Form2ZoomLadderTest,
                         ::testing::Values(PaperRow{"Letter", letterPage}, PaperRow{"A4", a4Page}),
                         [](const ::testing::TestParamInfo<PaperRow> &info) { return std::string(info.param.name); });
