// Knob dragging, wheel and keys, through a frame on a headless window.
#include "bitmap.h"
#include "film_strip_knob.h"
#include "knob_mode.h"
#include "test_bitmaps.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cmath>

namespace fendwick {
namespace {

using MouseState::alt;
using MouseState::control;
using MouseState::primary;
using MouseState::shift;

constexpr int32_t knobTag = 3;
// The knob covers (10, 10) to (61, 61); its centre is at (35.5, 35.5).
constexpr Rect knobRect{10, 10, 61, 61};

class KnobTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Bitmap* strip = new Bitmap(testart::artwork(), testart::knobStrip);
        knob = f.add(new FilmStripKnob(knobRect, &listener, knobTag, testart::knobImages, testart::knobSide, strip,
                                       Point{}));
        strip->release();
        f.frame->idle();  // first paint: everything drawn and clean
    }
    void TearDown() override { setKnobMode(KnobMode::circular); }

    // A point on the knob's circle at `degrees` (counter-clockwise from the
    // right), in frame coordinates.
    static Point onCircle(float degrees, float reach = 20.0f)
    {
        const float radians = degrees * 3.14159265f / 180.0f;
        return Point{static_cast<int32_t>(35.5f + reach * std::cos(radians)),
                     static_cast<int32_t>(35.5f - reach * std::sin(radians))};
    }

    HeadlessFrame f;
    RecordingListener listener;
    FilmStripKnob* knob = nullptr;
};

TEST_F(KnobTest, LinearDragUpHundredPixelsMovesHalfTheRange)
{
    setKnobMode(KnobMode::linear);
    f.click(Point{30, 60}, {{primary, {30, 60}}, {primary, {30, -40}}, {0, {30, -40}}});
    EXPECT_NEAR(knob->value(), 0.5f, 1e-6f);
    EXPECT_NEAR(listener.values.back(), 0.5f, 1e-6f);
}

TEST_F(KnobTest, LinearDragWithShiftTakesOneAndAHalfTimesTheDistance)
{
    setKnobMode(KnobMode::linear);
    f.click(Point{30, 60}, {{primary | shift, {30, 60}}, {primary | shift, {30, -40}}, {shift, {30, -40}}});
    EXPECT_NEAR(knob->value(), 1.0f / 3.0f, 1e-5f);
}

TEST_F(KnobTest, LinearDragCountsRightAsUpAndClampsAtTheEnds)
{
    setKnobMode(KnobMode::linear);
    f.click(Point{30, 30}, {{primary, {30, 30}}, {primary, {70, 30}}, {0, {70, 30}}});
    EXPECT_NEAR(knob->value(), 0.2f, 1e-6f);
    f.click(Point{30, 30}, {{primary, {30, 30}}, {primary, {30, 400}}, {0, {30, 400}}});
    EXPECT_EQ(knob->value(), 0.0f);
    f.click(Point{30, 30}, {{primary, {30, 30}}, {primary, {30, -400}}, {0, {30, -400}}});
    EXPECT_EQ(knob->value(), 1.0f);
}

TEST_F(KnobTest, PressingShiftDuringALinearDragDoesNotMakeTheValueJump)
{
    setKnobMode(KnobMode::linear);
    f.click(Point{30, 60}, {{primary, {30, 60}},
                            {primary, {30, 10}},
                            {primary | shift, {30, 10}},
                            {primary | shift, {30, -20}},
                            {shift, {30, -20}}});
    // 50 pixels at 1/200, then 30 more at 1/300.
    EXPECT_NEAR(listener.values[listener.values.size() - 2], 0.25f, 1e-5f);
    EXPECT_NEAR(knob->value(), 0.35f, 1e-5f);
}

TEST_F(KnobTest, AltSwapsCircularAndLinearDragging)
{
    // Circular mode with Alt drags linearly: a click at the top is no jump.
    f.click(onCircle(90.0f), {{primary | alt, onCircle(90.0f)}, {alt, onCircle(90.0f)}});
    EXPECT_EQ(knob->value(), 0.0f);
    // Linear mode with Alt drags circularly: the click point sets the value.
    setKnobMode(KnobMode::linear);
    f.click(onCircle(90.0f), {{primary | alt, onCircle(90.0f)}, {alt, onCircle(90.0f)}});
    EXPECT_NEAR(knob->value(), 0.5f, 0.02f);
}

TEST_F(KnobTest, CircularClickFollowsTheAngle)
{
    f.click(onCircle(90.0f), {{primary, onCircle(90.0f)}, {0, onCircle(90.0f)}});
    EXPECT_NEAR(knob->value(), 0.5f, 0.02f);
    f.click(onCircle(0.0f), {{primary, onCircle(0.0f)}, {0, onCircle(0.0f)}});
    EXPECT_NEAR(knob->value(), 225.0f / 270.0f, 0.02f);
}

TEST_F(KnobTest, CircularDragAcrossTheGapStopsAtTheNearerEnd)
{
    // From near the maximum (lower right) down through the gap's middle and
    // on to the lower left: the knob stays at its maximum.
    f.click(onCircle(-40.0f), {{primary, onCircle(-40.0f)},
                               {primary, onCircle(-80.0f)},
                               {primary, onCircle(-100.0f)},
                               {primary, onCircle(-130.0f)},
                               {0, onCircle(-130.0f)}});
    EXPECT_EQ(knob->value(), 1.0f);
    // And from near the minimum the other way round it stays at 0.
    f.click(onCircle(220.0f), {{primary, onCircle(220.0f)},
                               {primary, onCircle(260.0f)},
                               {primary, onCircle(280.0f)},
                               {primary, onCircle(310.0f)},
                               {0, onCircle(310.0f)}});
    EXPECT_EQ(knob->value(), 0.0f);
}

TEST_F(KnobTest, PointToValueCoversTheTravelAndSplitsTheGapInItsMiddle)
{
    // Relative to the knob's corner: the centre is (25.5, 25.5).
    EXPECT_NEAR(knob->pointToValue(Point{5, 46}), 0.0f, 0.01f);    // 225 degrees
    EXPECT_NEAR(knob->pointToValue(Point{46, 46}), 1.0f, 0.01f);   // -45 degrees
    EXPECT_NEAR(knob->pointToValue(Point{25, 0}), 0.5f, 0.01f);    // the top
    EXPECT_NEAR(knob->pointToValue(Point{0, 25}), 1.0f / 6.0f, 0.01f);
    EXPECT_EQ(knob->pointToValue(Point{30, 51}), 1.0f);  // gap, right of its middle
    EXPECT_EQ(knob->pointToValue(Point{21, 51}), 0.0f);  // gap, left of its middle
}


TEST_F(KnobTest, ControlClickSetsTheDefaultWithoutAnEditNotice)
{
    f.click(Point{30, 30}, {{primary | control, {30, 30}}, {0, {30, 30}}});
    EXPECT_EQ(knob->value(), 0.5f);
    ASSERT_EQ(listener.values.size(), 1u);
    EXPECT_TRUE(f.editor.calls.empty());
    knob->setDefaultValue(0.25f);
    f.click(Point{30, 30}, {{primary | control, {30, 30}}, {0, {30, 30}}});
    EXPECT_EQ(knob->value(), 0.25f);
}


TEST_F(KnobTest, DragIsWrappedInBeginAndEndEditAndKeepsTheHostIdling)
{
    setKnobMode(KnobMode::linear);
    f.click(Point{30, 60}, {{primary, {30, 60}}, {primary, {30, 50}}, {primary, {30, 40}}, {0, {30, 40}}});
    EXPECT_EQ(f.editor.calls, (std::vector<std::string>{"begin 3", "end 3"}));
    // The click's own poll, then one idle wait per pass of the drag.
    EXPECT_EQ(f.editor.idleWaits, 3);
    EXPECT_EQ(f.frame->focusView(), knob);
}

TEST_F(KnobTest, ADragShowsTheKnobMovingBeforeTheButtonIsReleased)
{
    setKnobMode(KnobMode::linear);
    // Once the pass that moves the knob to 0.5 ends, the window must show
    // image 40 while the button is still held.
    struct Peek : EditorLink {
        virtual ~Peek() = default;
        HeadlessWindow* window = nullptr;
        std::vector<uint32_t> seen;
        void idleWait() override { seen.push_back(window->presentedPixel(30, 30)); }
        void beginEdit(int32_t) override {}
        void endEdit(int32_t) override {}
    } peek;
    peek.window = f.window;
    auto frame = Frame::create(Rect{0, 0, 120, 80}, nullptr, &peek);
    Bitmap* strip = new Bitmap(testart::artwork(), testart::knobStrip);
    frame->addView(new FilmStripKnob(knobRect, &listener, knobTag, 81, 51, strip, Point{}));
    strip->release();
    peek.window = HeadlessWindow::of(frame->platformWindow());
    frame->idle();
    peek.window->scriptPointer({{primary, {30, 60}}, {primary, {30, -40}}, {primary, {30, -40}}, {0, {30, -40}}});
    peek.window->queueButtonDown(Point{30, 60});
    frame->idle();
    ASSERT_EQ(peek.seen.size(), 3u);
    EXPECT_EQ(peek.seen[0], testart::knobPixel(0));
    EXPECT_EQ(peek.seen[1], testart::knobPixel(40));
}

TEST_F(KnobTest, WheelStepsByATenthAndShiftByAHundredth)
{
    f.window->scriptPointer({{0, {30, 30}}});
    EXPECT_TRUE(f.frame->wheel(nullptr, Point{}, 1.0f));
    EXPECT_NEAR(knob->value(), 0.1f, 1e-6f);
    f.window->scriptPointer({{shift, {30, 30}}});
    EXPECT_TRUE(f.frame->wheel(nullptr, Point{}, 1.0f));
    EXPECT_NEAR(knob->value(), 0.11f, 1e-6f);
    f.window->scriptPointer({{0, {30, 30}}});
    f.frame->wheel(nullptr, Point{}, -5.0f);
    EXPECT_EQ(knob->value(), 0.0f);
    EXPECT_FALSE(listener.withContext.back());
}

TEST_F(KnobTest, WheelThroughTheWindowGoesToTheViewUnderTheCursor)
{
    f.window->scriptPointer({{0, {100, 70}}});
    f.window->queueWheel(Point{100, 70}, 1.0f);
    f.frame->idle();
    EXPECT_EQ(knob->value(), 0.0f);
    f.window->scriptPointer({{0, {30, 30}}});
    f.window->queueWheel(Point{30, 30}, 1.0f);
    f.frame->idle();
    EXPECT_NEAR(knob->value(), 0.1f, 1e-6f);
    EXPECT_TRUE(listener.withContext.back());
}

TEST_F(KnobTest, ArrowKeysStepByATenthAndWithShiftByAHundredth)
{
    KeyEvent up{0, 12, 0};
    EXPECT_EQ(f.frame->keyDown(up), 1);
    EXPECT_NEAR(knob->value(), 0.1f, 1e-6f);
    KeyEvent right{0, 13, 1};
    f.frame->keyDown(right);
    EXPECT_NEAR(knob->value(), 0.11f, 1e-6f);
    KeyEvent down{0, 14, 1};
    f.frame->keyDown(down);
    EXPECT_NEAR(knob->value(), 0.1f, 1e-6f);
    KeyEvent left{0, 11, 0};
    f.frame->keyDown(left);
    f.frame->keyDown(left);
    EXPECT_EQ(knob->value(), 0.0f);
    EXPECT_FALSE(listener.withContext.back());
    EXPECT_EQ(f.frame->keyDown(KeyEvent{'a', 0, 0}), -1);
}


TEST_F(KnobTest, ListenerHearsOnlyChangesAndAKnobWithoutOneStillMoves)
{
    setKnobMode(KnobMode::linear);
    f.click(Point{30, 60}, {{primary, {30, 60}}, {primary, {30, 60}}, {0, {30, 60}}});
    EXPECT_TRUE(listener.values.empty());

    Bitmap* strip = new Bitmap(testart::artwork(), testart::knobStrip);
    auto* silent = f.add(new FilmStripKnob(Rect{65, 10, 116, 61}, nullptr, 9, 81, 51, strip, Point{}));
    strip->release();
    f.click(Point{80, 60}, {{primary, {80, 60}}, {primary, {80, 10}}, {0, {80, 10}}});
    EXPECT_EQ(silent->value(), 0.25f);
    EXPECT_TRUE(listener.values.empty());
    // Idle draws what the listener did not.
    f.frame->idle();
    EXPECT_EQ(f.window->presentedPixel(80, 30), testart::knobPixel(20));
}

}  // namespace
}  // namespace fendwick
