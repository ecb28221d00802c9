// Pictures: decoding, sharing, reference counts and the two blits.
#include "bitmap.h"
#include "draw_context.h"
#include "test_bitmaps.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace fendwick {
namespace {

class BitmapTest : public ::testing::Test {
protected:
    uint32_t at(int32_t x, int32_t y) const { return f.frame->surface().row(y)[x]; }

    HeadlessFrame f{Rect{0, 0, 20, 10}};
};

TEST_F(BitmapTest, DecodesPalettisedAndRgbPictures)
{
    Bitmap* indexed = new Bitmap(testart::artwork(), testart::palettised);
    ASSERT_EQ(indexed->width(), 3);
    ASSERT_EQ(indexed->height(), 2);
    const PixelSurface& p = *indexed->pixels();
    EXPECT_EQ(p.row(0)[0], 0xff0000u);
    EXPECT_EQ(p.row(0)[1], 0x00ff00u);
    EXPECT_EQ(p.row(0)[2], 0x0000ffu);
    EXPECT_EQ(p.row(1)[0], 0x0000ffu);
    EXPECT_EQ(p.row(1)[2], 0xff0000u);
    indexed->release();

    Bitmap* rgb = new Bitmap(testart::artwork(), testart::background);
    EXPECT_EQ(rgb->pixels()->row(7)[5], testart::backgroundPixel(5, 7));
    EXPECT_EQ(rgb->resourceId(), testart::background);
    rgb->release();
}

TEST_F(BitmapTest, MissingOrUnknownPicturesHaveNoSizeAndDrawNothing)
{
    for (int32_t id : {4242, testart::unknownFormat}) {
        Bitmap* none = new Bitmap(testart::artwork(), id);
        EXPECT_EQ(none->width(), 0);
        EXPECT_EQ(none->height(), 0);
        EXPECT_EQ(none->pixels(), nullptr);
        {
            DrawContext c(*f.frame);
            none->draw(c, Rect{0, 0, 20, 10});
            none->drawTransparent(c, Rect{0, 0, 20, 10});
        }
        EXPECT_EQ(f.window->presentCount(), 0);
        none->release();
    }
}

TEST_F(BitmapTest, EveryBitmapOfAnIdSharesOneDecodedPicture)
{
    Bitmap* a = new Bitmap(testart::artwork(), testart::knobStrip);
    Bitmap* b = new Bitmap(testart::artwork(), testart::knobStrip);
    EXPECT_EQ(a->pixels(), b->pixels());
    a->release();
    Bitmap* c = new Bitmap(testart::artwork(), testart::knobStrip);
    EXPECT_EQ(c->pixels(), b->pixels());
    b->release();
    c->release();
}

TEST_F(BitmapTest, TheSameIdInTwoTablesKeepsEachTablesPicture)
{
    // Whichever table's picture is decoded first, the other must not get it.
    Bitmap* other = new Bitmap(testart::otherArtwork(), testart::background);
    Bitmap* own = new Bitmap(testart::artwork(), testart::background);
    for (Bitmap* b : {own, other}) {
        const bool isOther = b == other;
        EXPECT_EQ(b->width(), isOther ? 60 : 120);
        ASSERT_NE(b->pixels(), nullptr);
        EXPECT_EQ(b->pixels()->width, b->width());
        EXPECT_EQ(b->pixels()->row(7)[5],
                  isOther ? testart::otherBackgroundPixel(5, 7) : testart::backgroundPixel(5, 7));
    }
    Bitmap* again = new Bitmap(testart::otherArtwork(), testart::background);
    EXPECT_EQ(again->pixels(), other->pixels());
    EXPECT_NE(again->pixels(), own->pixels());
    for (Bitmap* b : {own, other, again}) {
        b->release();
    }
}


TEST_F(BitmapTest, DrawCopiesFromTheOffsetIntoTheRectangle)
{
    Bitmap* b = new Bitmap(testart::artwork(), testart::background);
    {
        DrawContext c(*f.frame);
        b->draw(c, Rect{2, 3, 6, 5}, Point{10, 20});
    }
    EXPECT_EQ(at(2, 3), testart::backgroundPixel(10, 20));
    EXPECT_EQ(at(5, 4), testart::backgroundPixel(13, 21));
    EXPECT_EQ(at(6, 4), 0u);
    EXPECT_EQ(at(5, 5), 0u);
    EXPECT_EQ(at(1, 3), 0u);
    b->release();
}

TEST_F(BitmapTest, TransparentDrawLeavesOutTheTransparentColour)
{
    Bitmap* b = new Bitmap(testart::artwork(), testart::holes);  // white, black, red, black
    {
        DrawContext c(*f.frame);
        c.setFillColor(Color{0, 0, 99, 0});
        c.fillRect(Rect{-1, -1, 20, 10});
        b->drawTransparent(c, Rect{0, 0, 4, 1});
        b->setTransparentColor(whiteColor);
        b->drawTransparent(c, Rect{0, 1, 4, 2});
        b->draw(c, Rect{0, 2, 4, 3});
    }
    EXPECT_EQ(at(0, 0), 0xffffffu);
    EXPECT_EQ(at(1, 0), 0x000063u);
    EXPECT_EQ(at(2, 0), 0xff0000u);
    EXPECT_EQ(at(3, 0), 0x000063u);
    EXPECT_EQ(at(0, 1), 0x000063u);
    EXPECT_EQ(at(1, 1), 0x000000u);
    EXPECT_EQ(at(1, 2), 0x000000u);
    EXPECT_EQ(at(3, 2), 0x000000u);
    EXPECT_EQ((Color{0x12, 0x34, 0x56, 0xff}.pixel()), 0x123456u);  // alpha never reaches a pixel
    b->release();
}


}  // namespace
}  // namespace fendwick
