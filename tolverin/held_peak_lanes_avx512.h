// The limiter detector's step of its held peaks, lane by lane in AVX-512VL
// masks, for the frame loops' AVX-512 paths: the same bits as
// LimiterDetector::step. Run only where the processor has AVX-512VL.
#pragma once

#include "avx512_sample_steps.h"
#include "avx512_target.h"
#include "limiter_detector.h"

#include <immintrin.h>

namespace fendwick {

// The magnitude a into the peaks level, each falling by its factor in fall:
// a lane a reaches takes it and starts its hold; one still held counts on;
// any other falls, flushed where Flush asks (no peak is negative).
template <bool Flush>
FENDWICK_AVX512 inline void stepHeldPeaks(__m256 a, __m256 fall, __m256& level, __m256i& held)
{
    const __mmask8 rising = _mm256_cmp_ps_mask(a, level, _CMP_GE_OQ);
    const __mmask8 holding = _mm256_cmplt_epi32_mask(held, _mm256_set1_epi32(LimiterDetector::kHoldSamples));
    __m256 fallen = _mm256_mul_ps(level, fall);
    if (Flush) {
        fallen = flushedNonNegative(fallen);
    }
    level = _mm256_mask_mov_ps(_mm256_mask_mov_ps(fallen, holding, level), rising, a);
    const __m256i counted = _mm256_mask_add_epi32(held, holding, held, _mm256_set1_epi32(1));
    held = _mm256_maskz_mov_epi32(static_cast<__mmask8>(~rising), counted);
}

}  // namespace fendwick
