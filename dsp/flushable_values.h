// Searches of stored floats for small magnitudes, for loops that step a
// recurrence without its flush and step again with it only where a value
// the flush would have changed turns up. Built only where the x86 vector
// paths are.
#pragma once

#include "avx512_target.h"
#include "lane_types.h"

#include <immintrin.h>

#include <cstdint>
#include <cstring>

namespace fendwick {

// Whether any lane of keys is below key, unsigned: one compare into a lane
// mask, where the generic vectors' compare would be stored and looked
// through in words.
inline bool anyKeyBelow(const LaneTypes<4>::Bits& keys, uint32_t key)
{
    // SSE2 compares signed: the top bit flipped on both sides orders them unsigned.
    const __m128i flip = _mm_set1_epi32(static_cast<int32_t>(0x80000000u));
    const __m128i lanes = _mm_xor_si128(reinterpret_cast<__m128i>(keys), flip);
    const __m128i bound = _mm_xor_si128(_mm_set1_epi32(static_cast<int32_t>(key)), flip);
    return _mm_movemask_epi8(_mm_cmplt_epi32(lanes, bound)) != 0;
}

FENDWICK_AVX512 inline bool anyKeyBelow(const LaneTypes<16>::Bits& keys, uint32_t key)
{
    return _mm512_cmplt_epu32_mask(reinterpret_cast<__m512i>(keys), _mm512_set1_epi32(static_cast<int32_t>(key))) !=
           0;
}

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
        return anyKeyBelow(least, (boundBits << 1) - 1u);
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
