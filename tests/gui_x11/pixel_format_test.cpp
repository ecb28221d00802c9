// Conversion of surface words into the pixel values of various visuals.
#include "pixel_format.h"

#include <gtest/gtest.h>

#include <vector>

namespace fendwick {
namespace {

TEST(X11PixelFormat, CommonVisualTakesSurfaceWordsAsTheyAre)
{
    const PixelFormat format(0xFF0000u, 0x00FF00u, 0x0000FFu, 24);
    EXPECT_TRUE(format.matchesSurface());
    for (const uint32_t rgb : {0x000000u, 0xFFFFFFu, 0x123456u, 0xFF0001u, 0x00FE80u}) {
        EXPECT_EQ(format.pixelOf(rgb), rgb);
    }
}

TEST(X11PixelFormat, SwappedMasksMoveTheChannels)
{
    const PixelFormat format(0x0000FFu, 0x00FF00u, 0xFF0000u, 24);
    EXPECT_FALSE(format.matchesSurface());
    EXPECT_EQ(format.pixelOf(0x123456u), 0x563412u);
    const std::vector<uint32_t> source{0xFF0000u, 0x00FF00u, 0x0000FFu, 0x102030u};
    std::vector<uint32_t> target(source.size());
    format.convertRow(source.data(), target.data(), static_cast<int32_t>(source.size()));
    EXPECT_EQ(target, (std::vector<uint32_t>{0x0000FFu, 0x00FF00u, 0xFF0000u, 0x302010u}));
}

TEST(X11PixelFormat, SixteenBitVisualKeepsEndsAndRoundsToNearest)
{
    const PixelFormat format(0xF800u, 0x07E0u, 0x001Fu, 16);
    EXPECT_FALSE(format.matchesSurface());
    EXPECT_EQ(format.pixelOf(0xFFFFFFu), 0xFFFFu);
    EXPECT_EQ(format.pixelOf(0x000000u), 0x0000u);
    EXPECT_EQ(format.pixelOf(0xFF0000u), 0xF800u);
    EXPECT_EQ(format.pixelOf(0x00FF00u), 0x07E0u);
    EXPECT_EQ(format.pixelOf(0x0000FFu), 0x001Fu);
    // 128 of 255 is 15.56 of 31 and 31.62 of 63: the nearest steps.
    EXPECT_EQ(format.pixelOf(0x808080u), (16u << 11) | (32u << 5) | 16u);
}

TEST(X11PixelFormat, DeepVisualSpreadsEightBitsOverTen)
{
    const PixelFormat format(0x3FF00000u, 0x000FFC00u, 0x000003FFu, 30);
    EXPECT_FALSE(format.matchesSurface());
    EXPECT_EQ(format.pixelOf(0xFFFFFFu), 0x3FFFFFFFu);
    EXPECT_EQ(format.pixelOf(0x0000FFu), 0x3FFu);
    EXPECT_EQ(format.pixelOf(0x000001u), 4u);
}

TEST(X11PixelFormat, UnusedDepthBitsAreSetSoThePixelIsOpaque)
{
    const PixelFormat format(0xFF0000u, 0x00FF00u, 0x0000FFu, 32);
    EXPECT_FALSE(format.matchesSurface());
    EXPECT_EQ(format.pixelOf(0x123456u), 0xFF123456u);
    EXPECT_EQ(format.pixelOf(0x000000u), 0xFF000000u);
}

}  // namespace
}  // namespace fendwick
