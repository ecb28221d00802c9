// The rasteriser through the drawing context: rectangles, lines, clipping,
// text placement, offscreen pictures and what reaches the window.
#include "bitmap.h"
#include "bitmap_font.h"
#include "draw_context.h"
#include "offscreen_context.h"
#include "test_bitmaps.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace fendwick {
namespace {

constexpr uint32_t red = 0xff0000u;
constexpr uint32_t white = 0xffffffu;

class DrawContextTest : public ::testing::Test {
protected:
    uint32_t at(int32_t x, int32_t y) const { return f.frame->surface().row(y)[x]; }
    // The surface drawn as text, '#' where the pixel is `ink`, over an area.
    std::string picture(const Rect& area, uint32_t ink) const
    {
        std::string s;
        for (int32_t y = area.top; y < area.bottom; ++y) {
            for (int32_t x = area.left; x < area.right; ++x)
                s += at(x, y) == ink ? '#' : '.';
            s += '\n';
        }
        return s;
    }

    HeadlessFrame f{Rect{0, 0, 40, 30}};
};

TEST_F(DrawContextTest, FillCoversLeftPlusOneToRightExclusive)
{
    {
        DrawContext c(*f.frame);
        c.setFillColor(redColor);
        c.fillRect(Rect{2, 1, 6, 4});
    }
    EXPECT_EQ(picture(Rect{0, 0, 8, 6}, red),
              "........\n"
              "........\n"
              "...###..\n"
              "...###..\n"
              "........\n"
              "........\n");
}

TEST_F(DrawContextTest, OutlineRunsThroughAllFourCornersAndFillStaysInside)
{
    {
        DrawContext c(*f.frame);
        c.setFillColor(redColor);
        c.fillRect(Rect{1, 1, 5, 4});
        c.setFrameColor(whiteColor);
        c.drawRect(Rect{1, 1, 5, 4});
    }
    EXPECT_EQ(picture(Rect{0, 0, 7, 6}, white),
              ".......\n"
              ".#####.\n"
              ".#...#.\n"
              ".#...#.\n"
              ".#####.\n"
              ".......\n");
    EXPECT_EQ(picture(Rect{0, 0, 7, 6}, red),
              ".......\n"
              ".......\n"
              "..###..\n"
              "..###..\n"
              ".......\n"
              ".......\n");
}

TEST_F(DrawContextTest, FillTakesItsCornersInEitherOrder)
{
    {
        DrawContext c(*f.frame);
        c.setFillColor(redColor);
        // A meter bar hanging from the top: corners (8, 5) and (0, 0).
        c.fillRect(Rect{8, 5, 0, 0});
        c.setFrameColor(whiteColor);
        c.drawRect(Rect{8, 5, 0, 0});
    }
    int32_t barWidth = 0;
    for (int32_t x = 0; x < 20; ++x)
        barWidth += at(x, 3) != 0u ? 1 : 0;
    EXPECT_EQ(barWidth, 9);
    EXPECT_EQ(at(4, 3), red);
}

TEST_F(DrawContextTest, LinesLeaveOutTheirEndPointAndDottedLinesSkipEveryOther)
{
    {
        DrawContext c(*f.frame);
        c.moveTo(Point{0, 0});
        c.lineTo(Point{6, 0});
        c.setLineStyle(LineStyle::dotted);
        c.moveTo(Point{0, 2});
        c.lineTo(Point{7, 2});
        c.setLineStyle(LineStyle::solid);
        c.moveTo(Point{0, 4});
        c.lineTo(Point{3, 7});
    }
    EXPECT_EQ(picture(Rect{0, 0, 8, 8}, white),
              "######..\n"
              "........\n"
              "#.#.#.#.\n"
              "........\n"
              "#.......\n"
              ".#......\n"
              "..#.....\n"
              "........\n");
}

TEST_F(DrawContextTest, ClipAndOffsetApply)
{
    {
        DrawContext c(*f.frame);
        c.setOffset(Point{10, 5});
        c.setClipRect(Rect{10, 5, 13, 7});
        c.setFillColor(redColor);
        c.fillRect(Rect{-1, -1, 10, 10});
    }
    EXPECT_EQ(picture(Rect{9, 4, 14, 8}, red),
              ".....\n"
              ".###.\n"
              ".###.\n"
              ".....\n");
}

TEST_F(DrawContextTest, DrawingOffTheSurfaceIsHarmless)
{
    DrawContext c(*f.frame);
    c.setFillColor(redColor);
    c.fillRect(Rect{-100, -100, 1000, 1000});
    c.moveTo(Point{-50, -50});
    c.lineTo(Point{500, 400});
    c.drawString("far away", Rect{-300, -300, -200, -280});
    Bitmap* knob = new Bitmap(testart::artwork(), testart::knobStrip);
    knob->draw(c, Rect{30, 20, 200, 200}, Point{40, 4100});
    knob->release();
    EXPECT_EQ(at(39, 29), testart::knobPixel(80));
}

TEST_F(DrawContextTest, OnlyTheChangedAreaIsPresented)
{
    {
        DrawContext c(*f.frame);
        c.setFillColor(redColor);
        c.fillRect(Rect{4, 4, 9, 7});
        c.fillRect(Rect{19, 2, 21, 4});
    }
    EXPECT_EQ(f.window->presentCount(), 1);
    EXPECT_EQ(f.window->lastPresentedArea(), (Rect{5, 3, 21, 7}));
    EXPECT_EQ(f.window->presentedPixel(6, 5), red);
    // Drawing nothing presents nothing.
    { DrawContext c(*f.frame); }
    EXPECT_EQ(f.window->presentCount(), 1);
}

TEST_F(DrawContextTest, TextIsAlignedAndVerticallyCentred)
{
    const BitmapFont& font = BitmapFont::fenFont();
    const Rect box{0, 0, 40, 15};
    const int32_t width = font.textWidth("H", 0);
    EXPECT_EQ(width, 5);
    // The rows where 'H' has ink: 3..9 (line starts (15 - 9) / 2 = 3 down).
    for (int32_t alignment : {TextAlign::left, TextAlign::center, TextAlign::right}) {
        {
            DrawContext c(*f.frame);
            c.setFillColor(blackColor);
            c.fillRect(Rect{-1, -1, 40, 30});
            c.setFont(1);
            c.drawString("H", box, false, alignment);
        }
        const std::string shown = picture(Rect{0, 2, 40, 11}, white);
        const size_t first = shown.find('#');
        ASSERT_NE(first, std::string::npos);
        const int32_t left = static_cast<int32_t>(first % 41);
        const int32_t top = 2 + static_cast<int32_t>(first / 41);
        EXPECT_EQ(top, 3);
        if (alignment == TextAlign::left)
            EXPECT_EQ(left, 1);
        else if (alignment == TextAlign::center)
            EXPECT_EQ(left, (40 - width) / 2);
        else
            EXPECT_EQ(left, 40 - width);
        EXPECT_EQ(at(left + 4, 9), white);  // bottom right of the H
        EXPECT_EQ(at(left + 2, 6), white);  // its bar
    }
}

TEST_F(DrawContextTest, TextStaysInsideItsRectangle)
{
    {
        DrawContext c(*f.frame);
        c.setFont(1);
        c.drawString("WWWWWWWWWW", Rect{5, 5, 15, 20});
    }
    for (int32_t y = 0; y < 30; ++y) {
        EXPECT_EQ(at(4, y), 0u);
        EXPECT_EQ(at(15, y), 0u);
    }
    EXPECT_EQ(at(6, 9), white);
}

TEST_F(DrawContextTest, OpaqueTextFillsBehindItWithTheFillColour)
{
    {
        DrawContext c(*f.frame);
        c.setFont(1);
        c.setFillColor(redColor);
        c.drawString("-", Rect{0, 0, 20, 9}, true);
        c.drawString("-", Rect{0, 10, 20, 19}, false);
    }
    EXPECT_EQ(at(1, 0), red);
    EXPECT_EQ(at(1, 10), 0u);
    EXPECT_EQ(at(1, 3), white);
    EXPECT_EQ(at(1, 13), white);
}

TEST_F(DrawContextTest, FontZeroIsAlwaysBoldAndBadIndexesMeanZero)
{
    DrawContext c(*f.frame);
    c.setFont(0, 0, 0);
    EXPECT_EQ(c.fontStyle() & FontStyle::bold, FontStyle::bold);
    EXPECT_EQ(c.fontSize(), 8);
    c.setFont(9, 0, 0);
    EXPECT_EQ(c.fontIndex(), 0);
    c.setFont(-1, 12, FontStyle::italic);
    EXPECT_EQ(c.fontIndex(), 0);
    EXPECT_EQ(c.fontSize(), 12);
    c.setFont(5, 0, 0);
    EXPECT_EQ(c.fontStyle(), 0);
    const BitmapFont& font = BitmapFont::fenFont();
    EXPECT_EQ(font.textWidth("abc", FontStyle::bold), font.textWidth("abc", 0) + 3);
}


TEST_F(DrawContextTest, OffscreenStartsFromItsSourceOrTheFillColourAndCopiesToTheFrame)
{
    Bitmap* source = new Bitmap(testart::artwork(), testart::background);
    {
        DrawContext parent(*f.frame);
        OffscreenContext withSource(parent, source);
        EXPECT_EQ(withSource.width(), 120);
        EXPECT_EQ(withSource.height(), 80);
        EXPECT_EQ(withSource.picture().row(3)[2], testart::backgroundPixel(2, 3));
        withSource.setFillColor(redColor);
        withSource.fillRect(Rect{0, 0, 3, 3});
        parent.setOffset(Point{1, 1});
        withSource.copyTo(parent, Rect{10, 10, 14, 14}, Point{1, 1});

        OffscreenContext plain(parent, nullptr);
        EXPECT_EQ(plain.width(), 20);
        EXPECT_EQ(plain.picture().row(19)[19], 0u);  // the fill colour: black
    }
    // Offset (1, 1): the copy lands at (11, 11); the offscreen's fill at
    // (1..2, 1..2) appears at (11..12, 11..12).
    EXPECT_EQ(at(11, 11), red);
    EXPECT_EQ(at(12, 12), red);
    EXPECT_EQ(at(13, 13), testart::backgroundPixel(3, 3));
    EXPECT_EQ(at(10, 10), 0u);
    EXPECT_EQ(f.window->presentedPixel(11, 11), red);
    // The source itself is untouched, and the offscreen gave its reference back.
    EXPECT_EQ(source->pixels()->row(1)[1], testart::backgroundPixel(1, 1));
    EXPECT_EQ(source->referenceCount(), 1);
    source->release();
}

TEST_F(DrawContextTest, OffscreenCanDrawIntoItsSourceAlone)
{
    Bitmap* mine = new Bitmap(testart::artwork(), testart::background);
    Bitmap* other = new Bitmap(testart::artwork(), testart::background);
    {
        DrawContext parent(*f.frame);
        OffscreenContext into(parent, mine, true);
        into.setFillColor(redColor);
        into.fillRect(Rect{0, 0, 4, 4});
    }
    EXPECT_EQ(mine->pixels()->row(2)[2], red);
    EXPECT_EQ(other->pixels()->row(2)[2], testart::backgroundPixel(2, 2));
    mine->release();
    other->release();
}

}  // namespace
}  // namespace fendwick
