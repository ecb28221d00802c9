// The artwork a plug-in library carries: its pictures, looked up by resource id.
#pragma once

#include <cstddef>
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

// The pictures of one product line. Every line numbers its pictures from
// 10001, so an id means something only together with its table; a program
// may carry several tables side by side.
struct ArtworkTable {
    const EmbeddedBitmap* bitmaps;
    size_t count;

    // Null for an id the table does not carry.
    const EmbeddedBitmap* find(int32_t id) const
    {
        for (size_t i = 0; i < count; ++i) {
            if (bitmaps[i].id == id) {
                return &bitmaps[i];
            }
        }
        return nullptr;
    }
};

}  // namespace fendwick
