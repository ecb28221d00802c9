// Searches of stored floats for small magnitudes, for loops that step a
// recurrence without its flush and step again with it only where a value
// the flush would have changed turns up. Built only where the x86 vector
// paths are.
#pragma once

#include <cstdint>
#include <cstring>

namespace fendwick {

// The smallest magnitude among floats looked through, 0.0 and -0.0 apart:
// +0.0 never counts, -0.0 counts as the smallest of all (the flush would
// make it +0.0). Rotated left by one, a float's bits less one order the
// floats so, by magnitude, in one unsigned minimum. Bits is the vector of
// uint32_t lanes the values are read in.
template <class Bits>
class SmallMagnitudeSearch {
public:
    // The n floats at values, n a whole number of vectors of Bits.
    void lookThrough(const float* values, int32_t n)
    {
        for (int32_t i = 0; i < n; i += kWidth) {
            Bits bits;
            std::memcpy(&bits, values + i, sizeof bits);
            const Bits key = ((bits << 1) | (bits >> 31)) - 1u;
            least = key < least ? key : least;
        }
    }

    // Whether a value looked through is -0.0, or is not 0.0 and smaller in
    // magnitude than bound, a positive normal float.
    bool anyBelow(float bound) const
    {
        uint32_t boundBits;
        std::memcpy(&boundBits, &bound, sizeof boundBits);
        const Bits below = least < (boundBits << 1) - 1u;
        const Bits none{};
        return std::memcmp(&below, &none, sizeof below) != 0;
    }

    // Whether a value looked through has all exponent bits clear yet is not
    // +0.0: a denormal or -0.0, which the flush would change.
    bool anyFlushable() const { return anyBelow(kSmallestNormal); }

private:
    static constexpr auto kWidth = static_cast<int32_t>(sizeof(Bits) / sizeof(uint32_t));
    static constexpr float kSmallestNormal = 1.17549435e-38f;

    Bits least = Bits{} - 1u;
};

}  // namespace fendwick
