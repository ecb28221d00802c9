// Whether values a recurrence stored without its flush hold any the flush
// would have changed, for loops that step without the flush and step again
// with it only where this finds one. Built only where the x86 vector paths are.
#pragma once

#include <cstdint>
#include <cstring>

namespace fendwick {

// Looks through stored floats for any with all exponent bits clear that is
// not +0.0 (a denormal or -0.0). Rotated left by one, the bits of just
// those are 1 to 0x00ffffff, so that one unsigned minimum of the rotated
// bits less one, lane by lane, finds them. Bits is the vector of uint32_t
// lanes the values are read in.
template <class Bits>
class FlushableSearch {
public:
    // The n floats at values, n a whole number of vectors of Bits.
    void lookThrough(const float* values, int32_t n)
    {
        for (int32_t i = 0; i < n; i += kWidth) {
            Bits bits;
            std::memcpy(&bits, values + i, sizeof bits);
            const Bits below = ((bits << 1) | (bits >> 31)) - 1u;
            least = below < least ? below : least;
        }
    }

    bool found() const
    {
        const Bits flushable = least < kRotatedSmallestNormal - 1u;
        const Bits none{};
        return std::memcmp(&flushable, &none, sizeof flushable) != 0;
    }

private:
    static constexpr auto kWidth = static_cast<int32_t>(sizeof(Bits) / sizeof(uint32_t));
    static constexpr uint32_t kRotatedSmallestNormal = 0x01000000u;

    Bits least = Bits{} - 1u;
};

}  // namespace fendwick
