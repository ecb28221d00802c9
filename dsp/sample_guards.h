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

// The in-place forms take a float with Bits = uint32_t, or a vector of
// floats with Bits the vector of as many uint32_t, so that the scalar and
// the vector loops share one definition. In place, because a 64-byte vector
// passed by value would change the calling convention between code built
// with and without AVX-512.

// Zero and denormals (all exponent bits clear) become 0.0.
template <class Bits, class Value>
inline void flushToZeroInPlace(Value& x)
{
    Bits bits;
    std::memcpy(&bits, &x, sizeof bits);
    x = (bits & kFloatExponentBits) == 0 ? Value{} : x;
}

// NaN and infinities (all exponent bits set) become 0.0, so one bad sample
// from upstream cannot poison any state.
template <class Bits, class Value>
inline void finiteOrZeroInPlace(Value& x)
{
    Bits bits;
    std::memcpy(&bits, &x, sizeof bits);
    x = (bits & kFloatExponentBits) == kFloatExponentBits ? Value{} : x;
}

inline float flushToZero(float x)
{
    flushToZeroInPlace<uint32_t>(x);
    return x;
}

inline float finiteOrZero(float x)
{
    finiteOrZeroInPlace<uint32_t>(x);
    return x;
}

}  // namespace fendwick
