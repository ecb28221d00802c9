// The small pictures the toolkit tests load by resource id.
#pragma once

#include <cstdint>

namespace fendwick {

struct ArtworkTable;

namespace testart {

// The table that carries every picture below.
const ArtworkTable& artwork();

// A 51 x 51 film strip of 81 images; image k is filled with knobPixel(k).
constexpr int32_t knobStrip = 100;
constexpr int32_t knobSide = 51;
constexpr int32_t knobImages = 81;
constexpr uint32_t knobPixel(int32_t image) { return 0x200000u | (static_cast<uint32_t>(image) << 8) | 0x40u; }

// 3 x 2, 8 bits per pixel through a palette.
constexpr int32_t palettised = 101;
// A two-image button strip, 20 x 10 per image: off image offPixel, on onPixel.
constexpr int32_t buttonStrip = 102;
constexpr uint32_t buttonOffPixel = 0x102030u;
constexpr uint32_t buttonOnPixel = 0xa0b0c0u;
// A three-image switch strip, 156 x 12 per image; image k is switchPixel(k).
constexpr int32_t switchStrip = 103;
constexpr uint32_t switchPixel(int32_t image) { return 0x300000u + static_cast<uint32_t>(image) * 0x10u; }
// A 120 x 80 background: pixel (x, y) is backgroundPixel(x, y).
constexpr int32_t background = 104;
constexpr uint32_t backgroundPixel(int32_t x, int32_t y)
{
    return (static_cast<uint32_t>(x) << 16) | (static_cast<uint32_t>(y) << 8) | 0x11u;
}
// 4 x 1, 24 bits: white, black, red, black; black is the transparent colour.
constexpr int32_t holes = 105;
// A picture in a format the toolkit does not know (16 bits per pixel).
constexpr int32_t unknownFormat = 106;
// A two-image switch strip, 100 x 10 per image; image k is switchPixel(k).
constexpr int32_t twoWaySwitchStrip = 107;

// A 13 x 82 meter picture in one colour.
constexpr int32_t meterPicture = 108;
constexpr uint32_t meterPixel = 0x203040u;

// A second table, as another product line's: its `background` is 60 x 40 and
// pixel (x, y) is otherBackgroundPixel(x, y); it carries no other id.
const ArtworkTable& otherArtwork();
constexpr uint32_t otherBackgroundPixel(int32_t x, int32_t y) { return backgroundPixel(x, y) ^ 0xffffffu; }

}  // namespace testart
}  // namespace fendwick
