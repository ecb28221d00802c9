// Outlines, anti-aliased filling and the canvas operations the artwork is built from.
#include "canvas.h"
#include "painter.h"
#include "shape.h"

#include <gtest/gtest.h>

#include <cmath>

namespace fendwick::artwork {
namespace {

float coverageSum(const Canvas& c)
{
    float sum = 0.0f;
    for (int y = 0; y < c.height(); ++y) {
        for (int x = 0; x < c.width(); ++x) {
            sum += c.at(x, y).r;
        }
    }
    return sum;
}

TEST(Shape, CircleCoversItsAreaWithSoftEdges)
{
    Canvas c(40, 40);
    Painter(c).fill(circle(20.0f, 20.0f, 12.0f), rgb(255, 0, 0));
    EXPECT_NEAR(coverageSum(c), 3.14159f * 144.0f, 3.14159f * 144.0f * 0.01f);
    EXPECT_FLOAT_EQ(c.at(20, 20).r, 1.0f);
    EXPECT_FLOAT_EQ(c.at(2, 2).r, 0.0f);
    const float edge = c.at(28, 28).r;  // the pixel centre lies just outside the radius
    EXPECT_GT(edge, 0.0f);
    EXPECT_LT(edge, 1.0f);
}

TEST(Shape, ArcStrokeCoversOnlyItsSweep)
{
    // From the top (90 degrees) clockwise to the right (0 degrees).
    const Shape arc = arcStroke(0.0f, 0.0f, 10.0f, 90.0f, -90.0f, 2.0f);
    float x = 0.0f;
    float y = 0.0f;
    pointAt(0.0f, 0.0f, 10.0f, 45.0f, x, y);
    EXPECT_LT(arc.distance(x, y), 0.0f);
    EXPECT_GT(x, 0.0f);
    EXPECT_LT(y, 0.0f);  // up on screen is negative y
    pointAt(0.0f, 0.0f, 10.0f, 135.0f, x, y);
    EXPECT_GT(arc.distance(x, y), 3.0f);
    pointAt(0.0f, 0.0f, 10.0f, -45.0f, x, y);
    EXPECT_GT(arc.distance(x, y), 3.0f);
    EXPECT_NEAR(arc.distance(0.0f, -10.0f), -1.0f, 1e-4f);  // the round end at the start
}

TEST(Shape, RoundedRectangleKeepsItsCornersRound)
{
    const Shape r = roundedRect(0.0f, 0.0f, 20.0f, 10.0f, 4.0f);
    EXPECT_LT(r.distance(10.0f, 5.0f), 0.0f);
    EXPECT_NEAR(r.distance(10.0f, 0.0f), 0.0f, 1e-4f);
    EXPECT_GT(r.distance(0.3f, 0.3f), 0.0f);  // the corner itself is cut off
    EXPECT_NEAR(r.distance(-3.0f, 5.0f), 3.0f, 1e-4f);
}

TEST(Shape, CombinationsCutGrowAndMove)
{
    const Shape ring = without(circle(0.0f, 0.0f, 10.0f), circle(0.0f, 0.0f, 6.0f));
    EXPECT_GT(ring.distance(0.0f, 0.0f), 0.0f);
    EXPECT_LT(ring.distance(8.0f, 0.0f), 0.0f);
    EXPECT_LT(moved(circle(0.0f, 0.0f, 1.0f), 5.0f, 5.0f).distance(5.0f, 5.0f), 0.0f);
    EXPECT_LT(grown(circle(0.0f, 0.0f, 1.0f), 2.0f).distance(2.5f, 0.0f), 0.0f);
}

TEST(Canvas, DownsamplingAveragesEachBlock)
{
    Canvas c(4, 2, rgb(0, 0, 0));
    c.at(0, 0) = rgb(255, 255, 255);
    c.at(3, 1) = rgb(255, 0, 0);
    c.at(2, 1) = rgb(255, 0, 0);
    const Canvas small = c.downsampled(2);
    ASSERT_EQ(small.width(), 2);
    ASSERT_EQ(small.height(), 1);
    EXPECT_FLOAT_EQ(small.at(0, 0).g, 0.25f);
    EXPECT_FLOAT_EQ(small.at(1, 0).r, 0.5f);
    EXPECT_FLOAT_EQ(small.at(1, 0).g, 0.0f);
}

TEST(Canvas, StacksImagesTopDownAndClipsPastes)
{
    const Canvas strip = stackVertically({Canvas(3, 2, rgb(255, 0, 0)), Canvas(3, 2, rgb(0, 255, 0))});
    ASSERT_EQ(strip.height(), 4);
    EXPECT_FLOAT_EQ(strip.at(1, 1).r, 1.0f);
    EXPECT_FLOAT_EQ(strip.at(1, 2).g, 1.0f);

    Canvas c(3, 3);
    c.paste(Canvas(2, 2, rgb(0, 0, 255)), 2, 2);
    EXPECT_FLOAT_EQ(c.at(2, 2).b, 1.0f);
    EXPECT_FLOAT_EQ(c.at(1, 1).b, 0.0f);
    EXPECT_FLOAT_EQ(c.at(1, 2).b, 0.0f);
}

}  // namespace
}  // namespace fendwick::artwork
