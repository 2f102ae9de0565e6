// The preview's view without a window: the step sizes of the scroll bars,
// the wheel's leftovers and the sharp pictures kept for the shown page.
#include "preview/viewstate.h"

#include <gtest/gtest.h>

using namespace preview;

namespace {

// A view of a page taller than the viewport, so that its vertical bar moves
// the page by 10 twips a step.
ViewState scrollingView(float zoom, double zoomOnePixelsPerInch)
{
    ViewState view;
    view.showPage(0, zoomOnePixelsPerInch);
    view.setUp(5358, 6928);
    view.takeZoom(zoom);
    view.takeScrollSetup(Qt::Vertical, 10392, 7305);
    return view;
}

struct StepRow {
    const char *paper;
    double zoomOnePixelsPerInch;
    float zoom;
    int single;
    int page;
};

class ViewStateStepsTest : public ::testing::TestWithParam<StepRow> {};

} // namespace

// The Letter rows hold the steps as they always were; an A4 page, drawn
// smaller, has smaller lines and so a little more of a view to a page step.
TEST_P(ViewStateStepsTest, BarStepsAreLinesOfThePageAsItIsShown)
{
    const StepRow row = GetParam();
    const ViewState view = scrollingView(row.zoom, row.zoomOnePixelsPerInch);
    const BarSteps steps = view.barSteps(Qt::Vertical, 7245);
    EXPECT_EQ(steps.single, row.single);
    EXPECT_EQ(steps.page, row.page);
    EXPECT_EQ(view.barSteps(Qt::Horizontal, 9270).single, 1) << "a bar without a unit has the least steps";
}

INSTANTIATE_TEST_SUITE_P(Papers, ViewStateStepsTest,
                         ::testing::Values(StepRow{"LetterAtOne", 42.0, 1.0f, 13, 712},
                                           StepRow{"LetterAtOneAndAHalf", 42.0, 1.5f, 19, 705},
                                           StepRow{"A4AtOne", 42.0 * 15840 / 16838, 1.0f, 12, 713},
                                           StepRow{"A4AtOneAndAHalf", 42.0 * 15840 / 16838, 1.5f, 18, 707}),
                         [](const ::testing::TestParamInfo<StepRow> &info) { return std::string(info.param.paper); });

TEST(ViewStateTest, SmallMovesAddUpPerAxisAndABarWithoutAUnitKeepsNothing)
{
    ViewState view = scrollingView(1.5f, 42.0);
    EXPECT_EQ(view.barStepsForMove(Qt::Vertical, 6), 0);
    EXPECT_EQ(view.barStepsForMove(Qt::Vertical, 6), 1) << "12 twips make one step of 10";
    EXPECT_EQ(view.barStepsForMove(Qt::Vertical, -4), 0) << "2 left over, 4 back: 2 short of a step back";
    EXPECT_EQ(view.barStepsForMove(Qt::Vertical, -9), -1);
    EXPECT_EQ(view.barStepsForMove(Qt::Horizontal, 500), 0);
    view.takeScrollSetup(Qt::Horizontal, 9330 + 50, 9330);
    EXPECT_EQ(view.barStepsForMove(Qt::Horizontal, 3), 3) << "nothing was kept while the bar had no unit";
    EXPECT_EQ(view.zoomStepsForWheel(60), 0);
    EXPECT_EQ(view.zoomStepsForWheel(300), 3);
    EXPECT_EQ(view.zoomStepsForWheel(-240), -2);
}

TEST(ViewStateTest, SharpPicturesAreKeptPerZoomAndScreenAndGoWithThePage)
{
    ViewState view = scrollingView(1.0f, 42.0);
    QImage drawn(10, 10, QImage::Format_RGB32);
    drawn.setDevicePixelRatio(2.0);
    view.keepSharpPicture(drawn);
    EXPECT_EQ(view.sharpPicture(2.0), drawn);
    EXPECT_TRUE(view.sharpPicture(1.0).isNull()) << "drawn for another screen";
    view.takeZoom(1.25f);
    EXPECT_TRUE(view.sharpPicture(2.0).isNull()) << "drawn for another zoom";
    view.takeZoom(1.0f);
    view.showPage(1, 42.0);
    EXPECT_TRUE(view.sharpPicture(2.0).isNull()) << "drawn for the page before";
}
