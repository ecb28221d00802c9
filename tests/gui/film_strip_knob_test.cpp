// Which picture of its strip a film-strip knob shows.
#include "bitmap.h"
#include "film_strip_knob.h"
#include "test_bitmaps.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace fendwick {
namespace {

class FilmStripKnobTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Bitmap* strip = new Bitmap(testart::artwork(), testart::knobStrip);
        knob = f.add(new FilmStripKnob(Rect{20, 10, 71, 61}, nullptr, 0, testart::knobImages, testart::knobSide,
                                       strip, Point{}));
        strip->release();
        f.frame->idle();
    }

    // The image the window shows inside the knob.
    uint32_t shownAt(float value)
    {
        knob->setValue(value);
        f.frame->redrawViewNow(knob);
        return f.window->presentedPixel(45, 35);
    }

    HeadlessFrame f;
    FilmStripKnob* knob = nullptr;
};

TEST_F(FilmStripKnobTest, EndsAndMiddleShowTheirImages)
{
    EXPECT_EQ(shownAt(0.0f), testart::knobPixel(0));
    EXPECT_EQ(shownAt(0.5f), testart::knobPixel(40));
    EXPECT_EQ(shownAt(0.999f), testart::knobPixel(79));
    EXPECT_EQ(shownAt(1.0f), testart::knobPixel(80));
}

TEST_F(FilmStripKnobTest, ImageIndexIsTheTruncatedPosition)
{
    knob->setValue(1.0f / 80.0f);
    EXPECT_EQ(knob->imageTop(), 51);
    knob->setValue(1.0f / 80.0f - 0.001f);
    EXPECT_EQ(knob->imageTop(), 0);
}

TEST_F(FilmStripKnobTest, ValuesOutsideTheRangeShowTheEndImages)
{
    // Set value does not clamp; the picture still stays inside the strip.
    EXPECT_EQ(shownAt(-0.3f), testart::knobPixel(0));
    EXPECT_EQ(knob->value(), -0.3f);
    EXPECT_EQ(shownAt(1.7f), testart::knobPixel(80));
}

TEST_F(FilmStripKnobTest, DrawsOnlyItsOwnRectangle)
{
    shownAt(0.5f);
    EXPECT_EQ(f.window->presentedPixel(19, 35), 0u);
    EXPECT_EQ(f.window->presentedPixel(71, 35), 0u);
    EXPECT_EQ(f.window->presentedPixel(20, 10), testart::knobPixel(40));
    EXPECT_EQ(f.window->presentedPixel(70, 60), testart::knobPixel(40));
    EXPECT_EQ(f.window->lastPresentedArea(), (Rect{20, 10, 71, 61}));
}

}  // namespace
}  // namespace fendwick
