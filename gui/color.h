// The toolkit's colour value.
#pragma once

#include <cstdint>

namespace fendwick {

// Red, green, blue and alpha bytes; drawing uses red, green and blue only.
struct Color {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    uint8_t alpha = 0;

    // The surface's pixel word 0x00RRGGBB; alpha never reaches the surface.
    constexpr uint32_t pixel() const
    {
        return (static_cast<uint32_t>(red) << 16) | (static_cast<uint32_t>(green) << 8) | blue;
    }
};

constexpr bool operator==(const Color& a, const Color& b)
{
    return a.red == b.red && a.green == b.green && a.blue == b.blue && a.alpha == b.alpha;
}
constexpr bool operator!=(const Color& a, const Color& b) { return !(a == b); }

}  // namespace fendwick
