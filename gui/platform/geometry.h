// The toolkit's value types for places and sizes on a window, in pixels.
#pragma once

#include <cstdint>

namespace fendwick {

struct Point {
    int32_t x = 0;
    int32_t y = 0;
};

// Right and bottom are exclusive for blits: width = right - left.
struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    int32_t width() const { return right - left; }
    int32_t height() const { return bottom - top; }
};

}  // namespace fendwick
