// Palette choice: exact where it can be, close where it cannot, and always the same.
#include "quantiser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>

namespace fendwick::artwork {
namespace {

uint32_t decoded(const IndexedImage& image, int x, int y)
{
    const size_t i = image.indices[static_cast<size_t>(y * image.width + x)] * 3u;
    return (uint32_t{image.palette[i]} << 16) | (uint32_t{image.palette[i + 1]} << 8) | image.palette[i + 2];
}

// 64 x 64 pixels of a smooth three-channel gradient: 4096 distinct colours.
Canvas gradient()
{
    Canvas c(64, 64);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            c.at(x, y) = rgb(x * 4, y * 4, (x + y) * 2);
        }
    }
    return c;
}

TEST(Quantiser, KeepsEveryColourOfASmallPictureExactly)
{
    Canvas c(20, 10);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 20; ++x) {
            c.at(x, y) = rgb(x * 12, y * 25, (x * y) % 256);
        }
    }
    const IndexedImage image = quantise(c, {});
    ASSERT_EQ(image.indices.size(), 200u);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 20; ++x) {
            EXPECT_EQ(decoded(image, x, y), packColour(c.at(x, y))) << x << ", " << y;
        }
    }
}

TEST(Quantiser, ApproximatesALargePictureClosely)
{
    const Canvas c = gradient();
    const IndexedImage image = quantise(c, {});
    double totalError = 0.0;
    int worst = 0;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            const uint32_t want = packColour(c.at(x, y));
            const uint32_t got = decoded(image, x, y);
            for (int shift : {16, 8, 0}) {
                const int d = std::abs(static_cast<int>((want >> shift) & 0xff) - static_cast<int>((got >> shift) & 0xff));
                totalError += d;
                worst = std::max(worst, d);
            }
        }
    }
    // 16 colours share each entry here, so about 3.5 levels is the best possible.
    EXPECT_LT(totalError / (64 * 64 * 3), 4.0);
    EXPECT_LE(worst, 16);
}

TEST(Quantiser, GivesAPinnedColourAnExactEntryEvenWhenRare)
{
    Canvas c = gradient();
    const Colour panel = rgb(43, 51, 58);
    c.at(5, 7) = panel;
    const IndexedImage image = quantise(c, {packColour(panel)});
    EXPECT_EQ(decoded(image, 5, 7), packColour(panel));
}

TEST(Quantiser, DependsOnTheColoursNotOnWhereTheyAre)
{
    const Canvas c = gradient();
    Canvas mirrored(64, 64);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            mirrored.at(63 - x, 63 - y) = c.at(x, y);
        }
    }
    const IndexedImage a = quantise(c, {});
    const IndexedImage b = quantise(mirrored, {});
    EXPECT_EQ(a.palette, b.palette);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            EXPECT_EQ(decoded(a, x, y), decoded(b, 63 - x, 63 - y));
        }
    }
}

}  // namespace
}  // namespace fendwick::artwork
