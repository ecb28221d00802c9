// Per-sample guards of every signal path: flush-to-zero and bad-input removal.
#pragma once

#include <cstdint>
#include <cstring>

namespace fendwick {

constexpr uint32_t kFloatExponentBits = 0x7f800000u;

inline uint32_t floatBits(float x)
{
    uint32_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    return bits;
}

// Zero and denormals (all exponent bits clear) become 0.0.
inline float flushToZero(float x)
{
    return (floatBits(x) & kFloatExponentBits) == 0 ? 0.0f : x;
}

// NaN and infinities (all exponent bits set) become 0.0, so one bad sample
// from upstream cannot poison any state.
inline float finiteOrZero(float x)
{
    return (floatBits(x) & kFloatExponentBits) == kFloatExponentBits ? 0.0f : x;
}

}  // namespace fendwick
