// Colour arithmetic of the artwork program.
#include "colour.h"

#include <algorithm>

namespace fendwick::artwork {

Colour rgb(int red, int green, int blue)
{
    return {static_cast<float>(red) / 255.0f, static_cast<float>(green) / 255.0f,
            static_cast<float>(blue) / 255.0f};
}

Colour mix(const Colour& a, const Colour& b, float t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Colour scaled(const Colour& c, float factor)
{
    return {c.r * factor, c.g * factor, c.b * factor};
}

uint8_t toByte(float channel)
{
    const float v = std::clamp(channel, 0.0f, 1.0f) * 255.0f + 0.5f;
    return static_cast<uint8_t>(std::min(255.0f, v));
}

}  // namespace fendwick::artwork
