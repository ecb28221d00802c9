// The two-picture switch: clicks, held presses and its pictures.
#include "bitmap.h"
#include "on_off_button.h"
#include "test_bitmaps.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace fendwick {
namespace {

using MouseState::primary;
using MouseState::shift;

constexpr Point inside{30, 25};
constexpr Point outside{90, 70};

class OnOffButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Bitmap* strip = new Bitmap(testart::artwork(), testart::buttonStrip);
        button = f.add(new OnOffButton(Rect{20, 20, 40, 30}, &listener, 5, 10, strip, Point{}));
        strip->release();
        f.frame->idle();
    }

    HeadlessFrame f;
    RecordingListener listener;
    OnOffButton* button = nullptr;
};

TEST_F(OnOffButtonTest, AClickFlipsItAndShowsTheOtherImage)
{
    EXPECT_EQ(f.window->presentedPixel(30, 25), testart::buttonOffPixel);
    f.click(inside, {{primary, inside}, {0, inside}});
    EXPECT_EQ(button->value(), 1.0f);
    EXPECT_EQ(f.window->presentedPixel(30, 25), testart::buttonOnPixel);
    EXPECT_TRUE(f.editor.calls.empty());
    f.click(inside, {{primary, inside}, {0, inside}});
    EXPECT_EQ(button->value(), 0.0f);
    EXPECT_EQ(listener.values, (std::vector<float>{1.0f, 0.0f}));
}

TEST_F(OnOffButtonTest, HeldPressReleasedOutsideKeepsTheValue)
{
    f.click(inside, {{primary, inside}, {primary, inside}, {primary, outside}, {primary, outside}, {0, outside}});
    EXPECT_EQ(button->value(), 0.0f);
    // It followed the pointer: on while inside, off again outside.
    EXPECT_EQ(listener.values, (std::vector<float>{1.0f, 0.0f}));
    EXPECT_EQ(f.editor.calls, (std::vector<std::string>{"begin 5", "end 5"}));
    EXPECT_EQ(button->lastDrawnValue(), 0.0f);
}

TEST_F(OnOffButtonTest, HeldPressReleasedInsideFlipsIt)
{
    f.click(inside, {{primary, inside}, {primary, outside}, {primary, outside}, {primary, inside}, {primary, inside},
                     {0, inside}});
    EXPECT_EQ(button->value(), 1.0f);
    EXPECT_EQ(f.window->presentedPixel(30, 25), testart::buttonOnPixel);
}

TEST_F(OnOffButtonTest, AModifierChangeEndsTheTracking)
{
    // Without the Shift change the pass after it would see the pointer
    // outside and switch back.
    f.click(inside, {{primary, inside},
                     {primary, inside},
                     {primary, inside},
                     {primary | shift, outside},
                     {primary, outside},
                     {0, outside}});
    EXPECT_EQ(button->value(), 1.0f);
    EXPECT_EQ(f.editor.calls.back(), "end 5");
}

TEST_F(OnOffButtonTest, AnyValueOtherThanZeroShowsTheOnImage)
{
    button->setValue(0.3f);
    f.frame->redrawViewNow(button);
    EXPECT_EQ(f.window->presentedPixel(30, 25), testart::buttonOnPixel);
    button->setValue(-2.0f);  // drawing clamps it into the range first
    f.frame->redrawViewNow(button);
    EXPECT_EQ(button->value(), 0.0f);
    EXPECT_EQ(f.window->presentedPixel(30, 25), testart::buttonOffPixel);
}

TEST_F(OnOffButtonTest, WithoutAListenerItStillFlipsAndRedrawsAtIdle)
{
    Bitmap* strip = new Bitmap(testart::artwork(), testart::buttonStrip);
    auto* lone = f.add(new OnOffButton(Rect{60, 20, 80, 30}, nullptr, 6, 10, strip, Point{}));
    strip->release();
    f.frame->idle();
    f.click(Point{70, 25}, {{primary, {70, 25}}, {0, {70, 25}}});
    EXPECT_EQ(lone->value(), 1.0f);
    EXPECT_EQ(f.window->presentedPixel(70, 25), testart::buttonOnPixel);
}

}  // namespace
}  // namespace fendwick
