// The artwork tables of the toolkit tests, built on first use.
#include "test_bitmaps.h"

#include "embedded_bitmap.h"

#include <utility>
#include <vector>

namespace fendwick {
namespace {

struct Picture {
    EmbeddedBitmap entry;
    std::vector<uint8_t> pixels;
    std::vector<uint8_t> palette;
};

template <typename PixelOf>
Picture rgbPicture(int32_t id, int32_t width, int32_t height, PixelOf pixelOf)
{
    Picture p{};
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            const uint32_t rgb = pixelOf(x, y);
            p.pixels.push_back(static_cast<uint8_t>(rgb >> 16));
            p.pixels.push_back(static_cast<uint8_t>(rgb >> 8));
            p.pixels.push_back(static_cast<uint8_t>(rgb));
        }
    }
    p.entry = EmbeddedBitmap{id, width, height, 24, nullptr, nullptr};
    return p;
}

std::vector<Picture> makePictures()
{
    using namespace testart;
    std::vector<Picture> all;
    all.push_back(rgbPicture(knobStrip, knobSide, knobSide * knobImages,
                             [](int32_t, int32_t y) { return knobPixel(y / knobSide); }));
    Picture indexed{};
    indexed.palette.assign(256 * 3, 0);
    indexed.palette[3 * 1 + 0] = 0xff;  // 1: red
    indexed.palette[3 * 2 + 1] = 0xff;  // 2: green
    indexed.palette[3 * 7 + 2] = 0xff;  // 7: blue
    indexed.pixels = {1, 2, 7, 7, 2, 1};
    indexed.entry = EmbeddedBitmap{palettised, 3, 2, 8, nullptr, nullptr};
    all.push_back(indexed);
    all.push_back(rgbPicture(buttonStrip, 20, 20,
                             [](int32_t, int32_t y) { return y < 10 ? buttonOffPixel : buttonOnPixel; }));
    all.push_back(rgbPicture(switchStrip, 156, 36, [](int32_t, int32_t y) { return switchPixel(y / 12); }));
    all.push_back(rgbPicture(background, 120, 80, backgroundPixel));
    const uint32_t holeRow[4] = {0xffffff, 0x000000, 0xff0000, 0x000000};
    all.push_back(rgbPicture(holes, 4, 1, [&](int32_t x, int32_t) { return holeRow[x]; }));
    Picture odd{};
    odd.pixels.assign(8, 0x55);
    odd.entry = EmbeddedBitmap{unknownFormat, 2, 2, 16, nullptr, nullptr};
    all.push_back(odd);
    all.push_back(rgbPicture(twoWaySwitchStrip, 100, 20, [](int32_t, int32_t y) { return switchPixel(y / 10); }));
    all.push_back(rgbPicture(meterPicture, 13, 82, [](int32_t, int32_t) { return meterPixel; }));
    return all;
}

// The pictures with their table; neither moves once made.
class TestTable {
public:
    explicit TestTable(std::vector<Picture> made) : pictures(std::move(made))
    {
        for (Picture& p : pictures) {
            p.entry.pixels = p.pixels.data();
            p.entry.palette = p.palette.empty() ? nullptr : p.palette.data();
            entries.push_back(p.entry);
        }
        table = ArtworkTable{entries.data(), entries.size()};
    }
    TestTable(const TestTable&) = delete;
    TestTable& operator=(const TestTable&) = delete;

    ArtworkTable table{};

private:
    std::vector<Picture> pictures;
    std::vector<EmbeddedBitmap> entries;
};

}  // namespace

const ArtworkTable& testart::artwork()
{
    static const TestTable made(makePictures());
    return made.table;
}

const ArtworkTable& testart::otherArtwork()
{
    static const TestTable made({rgbPicture(testart::background, 60, 40, testart::otherBackgroundPixel)});
    return made.table;
}

}  // namespace fendwick
