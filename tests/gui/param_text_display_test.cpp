// The text display: its text, its drawing styles and its dirty rules.
#include "bitmap.h"
#include "bitmap_font.h"
#include "param_text_display.h"
#include "test_bitmaps.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <string>

namespace fendwick {
namespace {

std::string textOf(const ParamTextDisplay& display)
{
    char text[64];
    display.text(text, sizeof text);
    return text;
}

void decibels(float value, char* text, size_t capacity) { std::snprintf(text, capacity, "%d dB", static_cast<int>(value * 10.0f)); }

void withUnit(float value, char* text, size_t capacity, void* unit)
{
    std::snprintf(text, capacity, "%d %s", static_cast<int>(value * 100.0f), static_cast<const char*>(unit));
}

// Columns of the display's row band that hold a pixel of the colour.
struct Ink {
    int32_t left = 1 << 30;
    int32_t right = -1;
    int32_t top = 1 << 30;
    int32_t bottom = -1;
};

Ink inkOf(const HeadlessWindow& window, const Rect& area, uint32_t pixel)
{
    Ink ink;
    for (int32_t y = area.top; y < area.bottom; ++y) {
        for (int32_t x = area.left; x < area.right; ++x) {
            if (window.presentedPixel(x, y) != pixel)
                continue;
            ink.left = std::min(ink.left, x);
            ink.right = std::max(ink.right, x);
            ink.top = std::min(ink.top, y);
            ink.bottom = std::max(ink.bottom, y);
        }
    }
    return ink;
}

class ParamTextDisplayTest : public ::testing::Test {
protected:
    void SetUp() override { display = f.add(new ParamTextDisplay(box, nullptr, 0)); }

    const Rect box{10, 10, 110, 27};
    HeadlessFrame f;
    ParamTextDisplay* display = nullptr;
};

TEST_F(ParamTextDisplayTest, ShowsTheValueWithTwoDecimalsByDefault)
{
    display->setValue(0.5f);
    EXPECT_EQ(textOf(*display), "0.50");
    display->setValue(0.125f);
    EXPECT_EQ(textOf(*display), "0.12");
    display->setValue(-1.0f);
    EXPECT_EQ(textOf(*display), "-1.00");
}

TEST_F(ParamTextDisplayTest, TwoDecimalsIgnoreTheLocale)
{
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr)
        GTEST_SKIP() << "no German locale here";
    display->setValue(0.5f);
    const std::string shown = textOf(*display);
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(shown, "0.50");
}

TEST_F(ParamTextDisplayTest, ValueToTextFunctionsReplaceTheDefault)
{
    display->setValue(0.5f);
    display->setValueToText(decibels);
    EXPECT_EQ(textOf(*display), "5 dB");
    char unit[] = "ms";
    display->setValueToTextWithData(withUnit, unit);
    EXPECT_EQ(textOf(*display), "50 ms");
}

TEST_F(ParamTextDisplayTest, DrawsCentredBoldWhiteTextInABlackBoxByDefault)
{
    display->setValue(0.5f);
    f.frame->idle();
    const HeadlessWindow& w = *f.window;
    // The box: filled inside, outlined in the frame colour (black too).
    EXPECT_EQ(w.presentedPixel(11, 11), 0u);
    const Ink ink = inkOf(w, box, 0xffffffu);
    ASSERT_GE(ink.right, ink.left);
    const int32_t width = BitmapFont::fenFont().textWidth("0.50", FontStyle::bold);
    EXPECT_EQ(ink.right - ink.left + 1, width);
    EXPECT_LE(std::abs((ink.left - box.left) - (box.right - 1 - ink.right)), 1);
    // Nine rows centred in seventeen: the line starts four rows down.
    EXPECT_EQ(ink.top, box.top + 4);
}

TEST_F(ParamTextDisplayTest, AlignmentsPlaceTheText)
{
    display->setValue(0.5f);
    display->setAlignment(TextAlign::left);
    f.frame->idle();
    EXPECT_EQ(inkOf(*f.window, box, 0xffffffu).left, box.left + 1);
    display->setAlignment(TextAlign::right);
    f.frame->idle();
    EXPECT_EQ(inkOf(*f.window, box, 0xffffffu).right, box.right - 1);
}

TEST_F(ParamTextDisplayTest, ShadowTextIsDrawnOnePixelRightAndDownInTheShadowColour)
{
    display->setValue(0.5f);
    display->setStyle(TextDisplayStyle::shadowText);
    display->setShadowColor(Color{0, 0, 200, 0});
    f.frame->idle();
    const Ink text = inkOf(*f.window, box, 0xffffffu);
    const Ink shadow = inkOf(*f.window, box, 0x0000c8u);
    EXPECT_EQ(shadow.right, text.right + 1);
    EXPECT_EQ(shadow.bottom, text.bottom + 1);
}


TEST_F(ParamTextDisplayTest, BackgroundPictureReplacesTheBox)
{
    Bitmap* picture = new Bitmap(testart::artwork(), testart::background);
    display->setBackground(picture);
    picture->release();
    display->setValue(0.5f);
    f.frame->idle();
    EXPECT_EQ(f.window->presentedPixel(11, 11), testart::backgroundPixel(1, 1));
    EXPECT_EQ(f.window->presentedPixel(109, 26), testart::backgroundPixel(99, 16));
}

TEST_F(ParamTextDisplayTest, NoTextAndNoDrawingStyles)
{
    display->setValue(0.5f);
    display->setStyle(TextDisplayStyle::noText);
    f.frame->idle();
    EXPECT_EQ(inkOf(*f.window, box, 0xffffffu).right, -1);

    auto* hidden = new ParamTextDisplay(Rect{10, 40, 110, 57}, nullptr, TextDisplayStyle::noDrawing);
    EXPECT_FALSE(hidden->isDirty());
    f.frame->addView(hidden);
    hidden->setBackColor(Color{9, 9, 9, 0});
    f.frame->redrawViewNow(hidden);
    EXPECT_EQ(f.window->presentedPixel(50, 48), 0u);
}



}  // namespace
}  // namespace fendwick
