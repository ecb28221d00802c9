// Both channels' low cuts side by side in one vector for the AVX-512 frame
// loop, where the two filters otherwise take a scalar chain of steps each:
// the same bits as LoCutFilter. Built only where the x86 vector paths are;
// run only where the processor has AVX-512VL.
#pragma once

#include "avx512_target.h"
#include "character_channel.h"
#include "sample_guards.h"

#include <immintrin.h>

#include <cstdint>

namespace fendwick {

namespace chain_lanes {

// Lanes {left, right, unused, unused}, for the stereo build (the mono
// build's one filter is quicker on its own). The flush is taken as a
// branch, which the processor predicts off the filter's dependency chain:
// the output is hardly ever denormal.
class Avx512LowCutPair {
public:
    FENDWICK_AVX512 explicit Avx512LowCutPair(const CharacterChannel* ch)
        : cleared(ch[0].loCut.historyCleared())
    {
        const SymmetricBiquad& l = ch[0].loCut.biquad();
        const SymmetricBiquad& r = ch[1].loCut.biquad();
        b0 = _mm_setr_ps(l.coefficients.b0, r.coefficients.b0, 0.0f, 0.0f);
        b1 = _mm_setr_ps(l.coefficients.b1, r.coefficients.b1, 0.0f, 0.0f);
        a1 = _mm_setr_ps(l.coefficients.a1, r.coefficients.a1, 0.0f, 0.0f);
        a2 = _mm_setr_ps(l.coefficients.a2, r.coefficients.a2, 0.0f, 0.0f);
        x1 = _mm_setr_ps(l.history.x1, r.history.x1, 0.0f, 0.0f);
        x2 = _mm_setr_ps(l.history.x2, r.history.x2, 0.0f, 0.0f);
        y1 = _mm_setr_ps(l.history.y1, r.history.y1, 0.0f, 0.0f);
        y2 = _mm_setr_ps(l.history.y2, r.history.y2, 0.0f, 0.0f);
    }

    // A frame processed with the low cut off clears the history, once.
    FENDWICK_AVX512 void bypass()
    {
        if (!cleared) {
            x1 = x2 = y1 = y2 = _mm_setzero_ps();
            cleared = true;
        }
    }

    // Filters the samples left and right in place.
    FENDWICK_AVX512 void step(float& left, float& right)
    {
        cleared = false;
        const __m128 x = _mm_unpacklo_ps(_mm_set_ss(left), _mm_set_ss(right));
        // b0 serves the input two samples back as well: b2 equals b0.
        __m128 y = _mm_mul_ps(b0, _mm_add_ps(x, x2));
        y = _mm_add_ps(y, _mm_mul_ps(b1, x1));
        y = _mm_sub_ps(y, _mm_mul_ps(a1, y1));
        y = _mm_sub_ps(y, _mm_mul_ps(a2, y2));
        const __mmask8 noExponent =
            _mm_testn_epi32_mask(_mm_castps_si128(y), _mm_set1_epi32(static_cast<int32_t>(kFloatExponentBits)));
        if ((noExponent & kUsedLanes) != 0) {
            y = _mm_maskz_mov_ps(static_cast<__mmask8>(~noExponent), y);
        }
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        left = _mm_cvtss_f32(y);
        right = _mm_cvtss_f32(_mm_shuffle_ps(y, y, 1));
    }

    FENDWICK_AVX512 void keepIn(CharacterChannel* ch) const
    {
        alignas(16) float h[4][4];
        _mm_store_ps(h[0], x1);
        _mm_store_ps(h[1], x2);
        _mm_store_ps(h[2], y1);
        _mm_store_ps(h[3], y2);
        for (int c = 0; c < 2; ++c) {
            ch[c].loCut.keepHistory({h[0][c], h[1][c], h[2][c], h[3][c]}, cleared);
        }
    }

private:
    static constexpr __mmask8 kUsedLanes = 0x3;

    __m128 b0, b1, a1, a2;  // the coefficients, lane by lane
    __m128 x1, x2, y1, y2;  // the history, lane by lane
    bool cleared;           // the history is zero and no sample was filtered since
};

}  // namespace chain_lanes

}  // namespace fendwick
