// Presenting a surface: the pixels that reach the window, read back from the server.
#include "x11_window_fixture.h"

#include <cstdlib>

namespace fendwick {
namespace {

uint32_t patternAt(int32_t x, int32_t y)
{
    return static_cast<uint32_t>((x * 4) & 0xFF) << 16 | static_cast<uint32_t>((y * 5) & 0xFF) << 8 |
           static_cast<uint32_t>((x * 3 + y * 7) & 0xFF);
}

PixelSurface patternSurface(int32_t width, int32_t height)
{
    PixelSurface surface;
    surface.resize(width, height);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            surface.row(y)[x] = patternAt(x, y);
        }
    }
    return surface;
}

PixelSurface filledSurface(int32_t width, int32_t height, uint32_t rgb)
{
    PixelSurface surface;
    surface.resize(width, height);
    surface.pixels.assign(surface.pixels.size(), rgb);
    return surface;
}

class X11Present : public X11WindowTest {
protected:
    // Equal within the rounding of the screen's channel depth (exact at 8 bits).
    ::testing::AssertionResult showsColour(const PixelSurface& shown, int32_t x, int32_t y, uint32_t rgb) const
    {
        const int tolerance = desk.channelBits() >= 8 ? 0 : 255 / ((1 << desk.channelBits()) - 1);
        const uint32_t got = shown.row(y)[x];
        for (const int shift : {16, 8, 0}) {
            const int difference =
                static_cast<int>((got >> shift) & 0xFFu) - static_cast<int>((rgb >> shift) & 0xFFu);
            if (std::abs(difference) > tolerance) {
                return ::testing::AssertionFailure() << "at (" << x << ", " << y << ") shows " << std::hex << got
                                                     << " instead of " << rgb;
            }
        }
        return ::testing::AssertionSuccess();
    }

    PixelSurface shown() { return shownPixels(*window, child, windowWidth, windowHeight); }
};

TEST_F(X11Present, WholeSurfaceReachesEveryPixel)
{
    openWindow();
    const PixelSurface surface = patternSurface(windowWidth, windowHeight);
    window->present(surface, Rect{0, 0, windowWidth, windowHeight});
    const PixelSurface picture = shown();
    int wrong = 0;
    for (int32_t y = 0; y < windowHeight; ++y) {
        for (int32_t x = 0; x < windowWidth; ++x) {
            if (!showsColour(picture, x, y, patternAt(x, y)) && ++wrong <= 5) {
                ADD_FAILURE() << showsColour(picture, x, y, patternAt(x, y)).message();
            }
        }
    }
    EXPECT_EQ(wrong, 0);
}

TEST_F(X11Present, AreaChangesOnlyItsOwnPixelsWithExclusiveRightAndBottom)
{
    openWindow();
    window->present(filledSurface(windowWidth, windowHeight, 0x2040A0u), Rect{0, 0, windowWidth, windowHeight});
    window->present(patternSurface(windowWidth, windowHeight), Rect{10, 5, 30, 25});
    const PixelSurface picture = shown();
    for (const Point inside : {Point{10, 5}, Point{29, 5}, Point{10, 24}, Point{29, 24}, Point{17, 13}}) {
        EXPECT_TRUE(showsColour(picture, inside.x, inside.y, patternAt(inside.x, inside.y)));
    }
    for (const Point outside : {Point{9, 5}, Point{10, 4}, Point{30, 24}, Point{29, 25}, Point{63, 47}}) {
        EXPECT_TRUE(showsColour(picture, outside.x, outside.y, 0x2040A0u));
    }
}

TEST_F(X11Present, AreaOutsideTheSurfaceAndWindowIsClipped)
{
    openWindow();
    window->present(filledSurface(windowWidth, windowHeight, 0x000000u), Rect{0, 0, windowWidth, windowHeight});
    // A surface larger than the window, and an area reaching past all edges.
    const PixelSurface large = filledSurface(windowWidth * 3, windowHeight * 3, 0x30F060u);
    window->present(large, Rect{-20, -20, 1000, 1000});
    PixelSurface picture = shown();
    EXPECT_TRUE(showsColour(picture, 0, 0, 0x30F060u));
    EXPECT_TRUE(showsColour(picture, windowWidth - 1, windowHeight - 1, 0x30F060u));

    // A surface smaller than the window only covers its own size.
    const PixelSurface small = filledSurface(20, 10, 0xFF00FFu);
    window->present(small, Rect{0, 0, windowWidth, windowHeight});
    picture = shown();
    EXPECT_TRUE(showsColour(picture, 19, 9, 0xFF00FFu));
    EXPECT_TRUE(showsColour(picture, 20, 9, 0x30F060u));
    EXPECT_TRUE(showsColour(picture, 19, 10, 0x30F060u));
}

TEST_F(X11Present, EmptyOrInvertedAreasAndBrokenSurfacesChangeNothing)
{
    openWindow();
    window->present(filledSurface(windowWidth, windowHeight, 0x445566u), Rect{0, 0, windowWidth, windowHeight});
    const PixelSurface white = filledSurface(windowWidth, windowHeight, 0xFFFFFFu);
    window->present(white, Rect{30, 30, 10, 10});
    window->present(white, Rect{5, 5, 5, 20});
    window->present(white, Rect{windowWidth, 0, windowWidth + 10, 10});
    PixelSurface broken = white;
    broken.pixels.resize(10);
    window->present(broken, Rect{0, 0, windowWidth, windowHeight});
    window->present(PixelSurface{}, Rect{0, 0, windowWidth, windowHeight});
    const PixelSurface picture = shown();
    EXPECT_TRUE(showsColour(picture, 20, 20, 0x445566u));
    EXPECT_TRUE(showsColour(picture, 5, 5, 0x445566u));
    EXPECT_TRUE(showsColour(picture, 0, 0, 0x445566u));
}

TEST_F(X11Present, AreaFarFromTheOriginOfALargerWindowLandsInPlace)
{
    openWindow(200, 150);
    window->present(patternSurface(200, 150), Rect{150, 100, 200, 150});
    const PixelSurface picture = shownPixels(*window, child, 200, 150);
    EXPECT_TRUE(showsColour(picture, 150, 100, patternAt(150, 100)));
    EXPECT_TRUE(showsColour(picture, 199, 149, patternAt(199, 149)));
}

}  // namespace
}  // namespace fendwick
