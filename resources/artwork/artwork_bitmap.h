// One bitmap of a product: its resource id, its picture and how it is stored.
#pragma once

#include "canvas.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace fendwick::artwork {

struct ArtworkBitmap {
    int32_t id = 0;
    int imageCount = 1;       // pictures stacked vertically (film-strip frames, button states)
    int bitsPerPixel = 8;     // 8: palettised, 24: red, green, blue
    Canvas picture;
    std::vector<uint32_t> pinnedColours;  // 0xRRGGBB kept exact by the palette
};

// A palettised bitmap that keeps the panel colour exact, so that it meets the
// background without a seam.
ArtworkBitmap palettised(int32_t id, Canvas picture, int imageCount, const Colour& panel);
// A bitmap stored as plain red, green and blue.
ArtworkBitmap trueColour(int32_t id, Canvas picture, int imageCount);

// The bitmap as the plug-in library carries it.
struct EncodedBitmap {
    int32_t id = 0;
    int32_t width = 0;
    int32_t height = 0;
    int32_t bitsPerPixel = 8;
    std::vector<uint8_t> palette;  // 768 bytes with 8 bits per pixel, empty with 24
    std::vector<uint8_t> pixels;   // one index or three channels per pixel

    // Red, green and blue of pixel (x, y), through the palette where there is one.
    std::array<uint8_t, 3> colourAt(int x, int y) const;
};

EncodedBitmap encode(const ArtworkBitmap& bitmap);

}  // namespace fendwick::artwork
