// Per-sample guards of every signal path: flush-to-zero and the input guard.
#pragma once

#include <cstdint>
#include <cstring>

namespace fendwick {

constexpr uint32_t kFloatExponentBits = 0x7f800000u;
constexpr uint32_t kFloatMagnitudeBits = 0x7fffffffu;
constexpr uint32_t kSmallestNormalBits = 0x00800000u;

// The largest input magnitude taken as it comes, 2^10 (about +60 dBFS):
// 20 dB above the loudest signal (+40 dBFS) the processing takes bit for
// bit, and low enough that the worst sample let through, even after the
// top input gain, ducks the output no longer than a real transient does
// (under a second), where one of 1e10 held it down for seconds.
constexpr float kLargestInput = 1024.0f;

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

// The magnitude as the detectors take it, x < 0 ? -x : x: -0.0 stays -0.0
// (where a mask of the sign bit would make it +0.0), and a NaN stays a NaN.
template <class Value>
inline void detectorMagnitudeInPlace(Value& x)
{
    x = x < 0.0f ? -x : x;
}

// Zero and denormals (all exponent bits clear) become 0.0.
template <class Bits, class Value>
inline void flushToZeroInPlace(Value& x)
{
    Bits bits;
    std::memcpy(&bits, &x, sizeof bits);
    x = (bits & kFloatExponentBits) == 0 ? Value{} : x;
}

// Sets bits of flushable in the lanes of a vector x that flushToZeroInPlace
// would change: all exponent bits clear, yet not +0.0. A loop can step a
// recurrence without its flush, which lengthens every step's dependency
// chain, and step it again with the flush only where this found a lane.
// Ints is the vector of as many int32_t; written as a select, which the
// compiler keeps in vector registers.
template <class Ints, class Value>
inline void collectFlushable(const Value& x, Ints& flushable)
{
    Ints bits;
    std::memcpy(&bits, &x, sizeof bits);
    flushable |= (bits & static_cast<int32_t>(kFloatExponentBits)) == 0 ? bits : Ints{};
}

// What every signal path does to its input samples first: normal floats up
// to kLargestInput in magnitude pass unchanged; everything else becomes 0.0.
// NaN and infinities, so that one bad sample from upstream cannot poison
// any state; finite samples beyond kLargestInput, which no signal carries
// but a fault upstream can, so that one cannot drive an envelope so high
// that the output stays ducked for seconds (nor pass through as a blast);
// zero and denormals, which carry nothing audible yet cost the arithmetic
// after them many times its normal time. One unsigned compare of the
// magnitude's bits: those below the smallest normal wrap around to the top.
template <class Bits, class Value>
inline void usableInputInPlace(Value& x)
{
    Bits bits;
    std::memcpy(&bits, &x, sizeof bits);
    const Bits aboveSmallestNormal = (bits & kFloatMagnitudeBits) - kSmallestNormalBits;
    x = aboveSmallestNormal > floatBits(kLargestInput) - kSmallestNormalBits ? Value{} : x;
}

inline float flushToZero(float x)
{
    flushToZeroInPlace<uint32_t>(x);
    return x;
}

inline float usableInput(float x)
{
    usableInputInPlace<uint32_t>(x);
    return x;
}

}  // namespace fendwick
