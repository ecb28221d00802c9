// A software RGB picture the toolkit draws into and a window presents.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace fendwick {

// Pixels are 0x00RRGGBB, rows top to bottom.
struct PixelSurface {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t> pixels;

    void resize(int32_t w, int32_t h)
    {
        width = w;
        height = h;
        pixels.assign(static_cast<size_t>(w) * static_cast<size_t>(h), 0u);
    }
    uint32_t* row(int32_t y) { return pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(width); }
    const uint32_t* row(int32_t y) const { return pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(width); }
};

}  // namespace fendwick
