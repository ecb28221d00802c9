// Chooses the 256 colours of a palettised bitmap and maps its pixels to them.
#pragma once

#include "canvas.h"

#include <array>
#include <cstdint>
#include <vector>

namespace fendwick::artwork {

struct IndexedImage {
    int width = 0;
    int height = 0;
    std::array<uint8_t, 768> palette{};  // red, green, blue per entry
    std::vector<uint8_t> indices;        // one per pixel, rows top to bottom
};

// A picture with at most 256 distinct colours keeps every one exactly. Larger
// ones are split by variance (each cut where it leaves the least squared
// error), refined by a few rounds of k-means, and every pixel takes its
// nearest entry. Pinned colours (8-bit 0xRRGGBB) always get an exact entry,
// so a flat panel colour stays identical across bitmaps that must meet
// seamlessly. The result depends on the pixels alone, never on their order
// in memory or on the machine.
IndexedImage quantise(const Canvas& canvas, const std::vector<uint32_t>& pinned);

// 0xRRGGBB of a canvas colour, each channel rounded to 8 bits.
uint32_t packColour(const Colour& colour);

}  // namespace fendwick::artwork
