// Label text lands where it is asked to: centred, left or right aligned, capitals centred on the line.
#include "lettering.h"
#include "typefaces.h"

#include <gtest/gtest.h>

namespace fendwick::artwork {
namespace {

struct Ink {
    int left = 1 << 30;
    int right = -1;
    int top = 1 << 30;
    int bottom = -1;
};

Ink inkOf(const Canvas& c)
{
    Ink ink;
    for (int y = 0; y < c.height(); ++y) {
        for (int x = 0; x < c.width(); ++x) {
            if (c.at(x, y).r > 0.35f) {
                ink.left = std::min(ink.left, x);
                ink.right = std::max(ink.right, x);
                ink.top = std::min(ink.top, y);
                ink.bottom = std::max(ink.bottom, y);
            }
        }
    }
    return ink;
}

class LetteringTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(type.load(FENDWICK_FONT_DIR)); }
    TextStyle style(int size) const { return {type.bold.get(), size, rgb(255, 255, 255), 0.0f, 1.0f, 0.0f}; }
    Typefaces type;
};

TEST_F(LetteringTest, CentresTextOnThePointGiven)
{
    for (const int size : {7, 9, 12}) {
        Canvas c(120, 40);
        drawText(c, style(size), "HOLD", 60.0f, 20.0f, Align::centre);
        const Ink ink = inkOf(c);
        EXPECT_NEAR((ink.left + ink.right + 1) * 0.5, 60.0, 1.5) << "size " << size;
        EXPECT_NEAR((ink.top + ink.bottom + 1) * 0.5, 20.0, 1.0) << "size " << size;
    }
}

TEST_F(LetteringTest, AlignsToTheLeftOrRightEnd)
{
    Canvas left(120, 20);
    drawText(left, style(9), "HOLD", 10.0f, 10.0f, Align::left);
    EXPECT_NEAR(inkOf(left).left, 10, 1);
    Canvas right(120, 20);
    const int width = drawText(right, style(9), "HOLD", 110.0f, 10.0f, Align::right);
    EXPECT_NEAR(inkOf(right).right + 1, 110, 1);
    EXPECT_NEAR(inkOf(right).right + 1 - inkOf(right).left, width, 2);
}

TEST_F(LetteringTest, TrackingSpreadsTheLetters)
{
    const int tight = type.bold->textWidth("LIMITER", 8, 0.0f);
    const int spread = type.bold->textWidth("LIMITER", 8, 1.0f);
    EXPECT_EQ(spread - tight, 6);  // one pixel between each of the seven letters
}

TEST(Typefaces, LoadingFromAFolderWithoutTheFontsFails)
{
    Typefaces type;
    EXPECT_FALSE(type.load("/nonexistent-folder"));
    EXPECT_EQ(type.regular, nullptr);
}

}  // namespace
}  // namespace fendwick::artwork
