// How a TrueColor visual packs red, green and blue into a pixel value.
#pragma once

#include <array>
#include <cstdint>

namespace fendwick {

// Built from the visual's channel masks and depth; converts the surface's
// 0x00RRGGBB words into pixel values of that visual. Bits of the depth that
// no channel uses (alpha in a 32-bit visual) are set, so that a compositor
// shows the pixel opaque. Immutable after construction.
class PixelFormat {
public:
    PixelFormat(unsigned long redMask, unsigned long greenMask, unsigned long blueMask, int depth);

    // True when a pixel value is the surface word itself, so rows copy as they are.
    bool matchesSurface() const { return matchesSurface_; }

    unsigned long pixelOf(uint32_t rgb) const
    {
        return red_[(rgb >> 16) & 0xFFu] | green_[(rgb >> 8) & 0xFFu] | blue_[rgb & 0xFFu] | opaqueBits_;
    }

    // For visuals of 32 bits per pixel.
    void convertRow(const uint32_t* source, uint32_t* target, int32_t count) const;

private:
    using ChannelTable = std::array<unsigned long, 256>;
    static ChannelTable tableFor(unsigned long mask);

    // Each 8-bit channel value already scaled and shifted into its mask.
    ChannelTable red_;
    ChannelTable green_;
    ChannelTable blue_;
    unsigned long opaqueBits_;
    bool matchesSurface_;
};

}  // namespace fendwick
