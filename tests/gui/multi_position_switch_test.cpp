// The multi-position switch: its zones, its pictures and its drags.
#include "bitmap.h"
#include "multi_position_switch.h"
#include "test_bitmaps.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace fendwick {
namespace {

using MouseState::control;
using MouseState::primary;
using MouseState::shift;

// A three-position switch 156 pixels wide at x 10..165, y 20..31.
class MultiPositionSwitchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Bitmap* strip = new Bitmap(testart::artwork(), testart::switchStrip);
        three = f.add(new MultiPositionSwitch(Rect{10, 20, 166, 32}, &listener, 7, 3, 12, 3, strip, Point{}));
        strip->release();
        f.frame->idle();
    }

    float clickAt(int32_t xOffset)
    {
        const Point where{10 + xOffset, 25};
        f.click(where, {{primary, where}, {0, where}});
        return three->value();
    }

    HeadlessFrame f{Rect{0, 0, 200, 80}};
    RecordingListener listener;
    MultiPositionSwitch* three = nullptr;
};

TEST_F(MultiPositionSwitchTest, ThreeZonesOfFiftyTwoPixels)
{
    EXPECT_EQ(clickAt(0), 0.0f);
    EXPECT_EQ(clickAt(51), 0.0f);
    EXPECT_EQ(clickAt(52), 0.5f);
    EXPECT_EQ(clickAt(103), 0.5f);
    EXPECT_EQ(clickAt(104), 1.0f);
    EXPECT_EQ(clickAt(155), 1.0f);
}

TEST_F(MultiPositionSwitchTest, DraggingPastTheEdgesGivesTheEndPositions)
{
    f.click(Point{100, 25}, {{primary, {100, 25}}, {primary, {400, 90}}, {primary, {400, 90}}, {0, {400, 90}}});
    EXPECT_EQ(three->value(), 1.0f);
    f.click(Point{100, 25}, {{primary, {100, 25}}, {primary, {-30, 0}}, {primary, {-30, 0}}, {0, {-30, 0}}});
    EXPECT_EQ(three->value(), 0.0f);
    EXPECT_EQ(f.editor.calls, (std::vector<std::string>{"begin 7", "end 7", "begin 7", "end 7"}));
}

TEST_F(MultiPositionSwitchTest, OnlyTheHorizontalPositionCounts)
{
    f.click(Point{70, 25}, {{primary, {70, 25}}, {primary, {150, -500}}, {primary, {150, -500}}, {0, {150, -500}}});
    EXPECT_EQ(three->value(), 1.0f);
}

TEST_F(MultiPositionSwitchTest, TwoPositionsSplitTheWidthInHalves)
{
    Bitmap* strip = new Bitmap(testart::artwork(), testart::twoWaySwitchStrip);
    auto* two = f.add(new MultiPositionSwitch(Rect{10, 50, 110, 60}, &listener, 8, 2, 10, 2, strip, Point{}));
    strip->release();
    f.click(Point{59, 55}, {{primary, {59, 55}}, {0, {59, 55}}});
    EXPECT_EQ(two->value(), 0.0f);
    f.click(Point{60, 55}, {{primary, {60, 55}}, {0, {60, 55}}});
    EXPECT_EQ(two->value(), 1.0f);
}

TEST_F(MultiPositionSwitchTest, ShowsTheImageOfTheNearestPosition)
{
    const auto shown = [&](float value) {
        three->setValue(value);
        f.frame->redrawViewNow(three);
        return f.window->presentedPixel(50, 25);
    };
    EXPECT_EQ(shown(0.0f), testart::switchPixel(0));
    EXPECT_EQ(shown(0.5f), testart::switchPixel(1));
    EXPECT_EQ(shown(0.74f), testart::switchPixel(1));
    EXPECT_EQ(shown(0.76f), testart::switchPixel(2));
    EXPECT_EQ(shown(1.0f), testart::switchPixel(2));
}

TEST_F(MultiPositionSwitchTest, ControlClickSetsTheDefaultWithoutAnEditNotice)
{
    f.click(Point{12, 25}, {{primary | control, {12, 25}}, {0, {12, 25}}});
    EXPECT_EQ(three->value(), 0.5f);
    EXPECT_TRUE(f.editor.calls.empty());
    EXPECT_EQ(listener.values, (std::vector<float>{0.5f}));
}

TEST_F(MultiPositionSwitchTest, ShiftDuringADragEndsIt)
{
    // After Shift the pointer moves to the last zone, but the drag is over.
    f.click(Point{20, 25}, {{primary, {20, 25}}, {primary, {80, 25}}, {primary, {80, 25}},
                            {primary | shift, {160, 25}}, {primary, {160, 25}}, {0, {160, 25}}});
    EXPECT_EQ(three->value(), 0.5f);
    EXPECT_EQ(f.editor.calls.back(), "end 7");
}

TEST_F(MultiPositionSwitchTest, TellsTheListenerOnlyWhenThePositionChanges)
{
    f.click(Point{20, 25}, {{primary, {20, 25}}, {primary, {30, 25}}, {primary, {40, 25}}, {primary, {90, 25}},
                            {primary, {90, 25}}, {0, {90, 25}}});
    EXPECT_EQ(listener.values, (std::vector<float>{0.5f}));
    EXPECT_EQ(f.window->presentedPixel(50, 25), testart::switchPixel(1));
}

}  // namespace
}  // namespace fendwick
