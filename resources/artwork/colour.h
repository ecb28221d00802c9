// The artwork's working colour: red, green and blue as floats from 0 to 1.
#pragma once

#include <cstdint>

namespace fendwick::artwork {

struct Colour {
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
};

// From 8-bit channels, the way the colours of the product family are written.
Colour rgb(int red, int green, int blue);
// t = 0 gives a, t = 1 gives b.
Colour mix(const Colour& a, const Colour& b, float t);
// Multiplies every channel by factor (a brightness change that keeps the hue).
Colour scaled(const Colour& c, float factor);
// The 8-bit value of a channel, rounded and clamped.
uint8_t toByte(float channel);

}  // namespace fendwick::artwork
