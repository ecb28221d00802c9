// The artwork a plug-in library carries, looked up by resource id.
#pragma once

#include <cstdint>

namespace fendwick {

// One picture as the artwork program wrote it. Pixels are rows top to bottom,
// left to right. With 8 bits per pixel each byte indexes `palette`
// (256 entries of red, green, blue); with 24 bits each pixel is red, green,
// blue and `palette` is null.
struct EmbeddedBitmap {
    int32_t id;
    int32_t width;
    int32_t height;
    int32_t bitsPerPixel;
    const uint8_t* palette;
    const uint8_t* pixels;
};

// Defined once in every plug-in library by its generated artwork table;
// answers null for an id the library does not carry.
const EmbeddedBitmap* findEmbeddedBitmap(int32_t id);

}  // namespace fendwick
