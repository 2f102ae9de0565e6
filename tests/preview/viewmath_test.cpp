#include "preview/viewmath.h"

#include <gtest/gtest.h>

using namespace preview;

TEST(ViewMath, RoundingTakesHalvesToTheEvenNeighbour)
{
    EXPECT_EQ(roundHalfEven(0.5), 0);
    EXPECT_EQ(roundHalfEven(1.5), 2);
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(2.51), 3);
}

TEST(ViewMath, ZoomedExtentIsTheIntegerPartInDoublePrecision)
{
    EXPECT_EQ(zoomedExtent(5358, 1.25f), 6697);
    EXPECT_EQ(zoomedExtent(5358, 0.25f), 1339);
    EXPECT_EQ(zoomedExtent(3, 0.5f), 1);
}

TEST(ViewMath, ScrollBarsFollowTheOverflow)
{
    const ScrollSetup fits = scrollSetup(9330, 9330);
    EXPECT_FALSE(fits.enabled);
    EXPECT_EQ(fits.unit, 0);
    const ScrollSetup small = scrollSetup(9430, 9330);
    EXPECT_TRUE(small.enabled);
    EXPECT_EQ(small.maximum, 100);
    EXPECT_EQ(small.unit, 1);
    const ScrollSetup large = scrollSetup(9431, 9330);
    EXPECT_EQ(large.maximum, 10);
    EXPECT_EQ(large.unit, 10);
    EXPECT_EQ(scrollSetup(7305 + 1355, 7305).maximum, 136) << "135.5 rounds to even";
    EXPECT_EQ(scrollSetup(7305 + 1345, 7305).maximum, 134) << "134.5 rounds to even";
}

TEST(ViewMath, DraggedEdgesStayWithinTheViewport)
{
    // A page wider than the viewport: between (interior - width) and 0.
    EXPECT_EQ(clampDraggedEdge(50, 9270, 12000), 0);
    EXPECT_EQ(clampDraggedEdge(-5000, 9270, 12000), -2730);
    EXPECT_EQ(clampDraggedEdge(-1000, 9270, 12000), -1000);
    // A narrower page dragged left rests against the right edge, dragged right at 0.
    EXPECT_EQ(clampDraggedEdge(-10, 9270, 5000), 4270);
    EXPECT_EQ(clampDraggedEdge(10, 9270, 5000), 0);
}

TEST(ViewMath, PercentagesOfTheOverflow)
{
    EXPECT_EQ(offsetPercent(-1355, 8660, 7305), 100);
    EXPECT_EQ(offsetPercent(-678, 8660, 7305), 50);
    EXPECT_FALSE(offsetPercent(0, 7305, 7305).has_value()) << "no overflow, nothing to divide";
    EXPECT_EQ(valueForPercent(50, 136), 68);
    EXPECT_EQ(valueForPercent(100, 136), 136);
    EXPECT_FALSE(valueForPercent(101, 136).has_value());
    EXPECT_FALSE(valueForPercent(-1, 136).has_value());
}
