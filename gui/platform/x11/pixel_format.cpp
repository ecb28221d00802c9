// How a TrueColor visual packs red, green and blue into a pixel value.
#include "pixel_format.h"

namespace fendwick {

namespace {

unsigned long depthMask(int depth)
{
    if (depth <= 0) {
        return 0;
    }
    if (depth >= 32) {
        return 0xFFFFFFFFu;
    }
    return (1ul << depth) - 1u;
}

}  // namespace

PixelFormat::PixelFormat(unsigned long redMask, unsigned long greenMask, unsigned long blueMask, int depth)
    : red_(tableFor(redMask)),
      green_(tableFor(greenMask)),
      blue_(tableFor(blueMask)),
      opaqueBits_(depthMask(depth) & ~(redMask | greenMask | blueMask)),
      matchesSurface_(redMask == 0xFF0000u && greenMask == 0x00FF00u && blueMask == 0x0000FFu &&
                      opaqueBits_ == 0)
{
}

void PixelFormat::convertRow(const uint32_t* source, uint32_t* target, int32_t count) const
{
    for (int32_t i = 0; i < count; ++i) {
        target[i] = static_cast<uint32_t>(pixelOf(source[i]));
    }
}

PixelFormat::ChannelTable PixelFormat::tableFor(unsigned long mask)
{
    ChannelTable table{};
    if (mask == 0) {
        return table;
    }
    int shift = 0;
    while (((mask >> shift) & 1u) == 0) {
        ++shift;
    }
    const unsigned long maximum = mask >> shift;
    // Rounded scaling keeps black black and white white at any channel width
    // (5 bits in a 16-bit visual, 10 bits in a deep one).
    for (unsigned long value = 0; value < table.size(); ++value) {
        const unsigned long scaled = (value * maximum + 127u) / 255u;
        table[value] = (scaled << shift) & mask;
    }
    return table;
}

}  // namespace fendwick
