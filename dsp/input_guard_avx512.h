// The input guard and the silence test over sixteen frames at a time in
// AVX-512 mask registers, for the frame loops' AVX-512 paths: the same
// answers as usableInputInPlace and SilenceGate::nearSilent sample by
// sample. Built only where the x86 vector paths are; run only where the
// processor has AVX-512VL.
#pragma once

#include "avx512_target.h"
#include "sample_guards.h"
#include "silence_gate.h"

#include <immintrin.h>

#include <cstdint>

namespace fendwick {

// The frames 0 to n - 1 of each channel's input from start on, guarded,
// into x[c] from frame 0 on, sixteen at a time (up to fifteen past n, as
// zeros), and 1 in quiet where every channel's input is near-silent, 0
// elsewhere; answers whether any frame is.
template <int Channels>
FENDWICK_AVX512 inline bool guardInputsAvx512(float* const* inputs, int32_t start, int32_t n, float* const* x,
                                                     int32_t* quiet)
{
    constexpr int32_t kWidth = 16;
    const __m512i magnitudeBits = _mm512_set1_epi32(static_cast<int32_t>(kFloatMagnitudeBits));
    const __m512i smallestNormal = _mm512_set1_epi32(static_cast<int32_t>(kSmallestNormalBits));
    const __m512i usableSpan =
        _mm512_set1_epi32(static_cast<int32_t>(floatBits(kLargestInput) - kSmallestNormalBits));
    const __m512i silenceBound = _mm512_set1_epi32(static_cast<int32_t>(floatBits(SilenceGate::kSilenceBound)));
    __mmask16 anyQuiet = 0;
    for (int32_t i = 0; i < n; i += kWidth) {
        const int32_t valid = n - i < kWidth ? n - i : kWidth;
        const auto read = static_cast<__mmask16>(valid == kWidth ? 0xffffu : (1u << valid) - 1u);
        __mmask16 silent = read;
        // Every channel read before any is written, so that no read waits
        // on a write whose address merely looks alike.
        __m512i in[Channels];
        for (int c = 0; c < Channels; ++c) {
            in[c] = _mm512_castps_si512(_mm512_maskz_loadu_ps(read, inputs[c] + start + i));
        }
        for (int c = 0; c < Channels; ++c) {
            const __m512i bits = in[c];
            const __m512i magnitude = _mm512_and_si512(bits, magnitudeBits);
            // Below the smallest normal wraps around to the top.
            const __mmask16 usable =
                _mm512_cmple_epu32_mask(_mm512_sub_epi32(magnitude, smallestNormal), usableSpan);
            _mm512_storeu_si512(x[c] + i, _mm512_maskz_mov_epi32(usable, bits));
            silent &= _mm512_cmplt_epi32_mask(_mm512_maskz_mov_epi32(usable, magnitude), silenceBound);
        }
        _mm512_storeu_si512(quiet + i, _mm512_maskz_set1_epi32(silent, 1));
        anyQuiet |= silent;
    }
    return anyQuiet != 0;
}

}  // namespace fendwick
