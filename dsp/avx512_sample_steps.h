// The magnitude and the flush of the per-sample guards on four lanes in
// AVX-512VL masks, for loops that run only where processorHasAvx512vl() says so.
#pragma once

#include "avx512_target.h"
#include "sample_guards.h"

#include <immintrin.h>

#include <cfloat>

namespace fendwick {

// x < 0 ? -x : x lane by lane, as the detectors take a magnitude: -0.0 stays
// -0.0, which a mask of the sign bit would turn into +0.0.
FENDWICK_AVX512 inline __m128 magnitudes(__m128 x)
{
    const __m128 zero = _mm_setzero_ps();
    return _mm_mask_sub_ps(x, _mm_cmp_ps_mask(x, zero, _CMP_LT_OQ), zero, x);
}

// flushToZero of lanes that hold no negative value but -0.0: below the
// smallest normal, these have all exponent bits clear.
FENDWICK_AVX512 inline __m128 flushedNonNegative(__m128 x)
{
    const __mmask8 tiny = _mm_cmp_ps_mask(x, _mm_set1_ps(FLT_MIN), _CMP_LT_OQ);
    return _mm_mask_mov_ps(x, tiny, _mm_setzero_ps());
}

FENDWICK_AVX512 inline __m256 flushedNonNegative(__m256 x)
{
    const __mmask8 tiny = _mm256_cmp_ps_mask(x, _mm256_set1_ps(FLT_MIN), _CMP_LT_OQ);
    return _mm256_mask_mov_ps(x, tiny, _mm256_setzero_ps());
}

// A recurrence can step without its flush, which lengthens every step's
// dependency chain, and step again with it only where the flush would have
// changed a value. For values never negative, those are the ones whose bits
// less one fall below the smallest normal's: lowest keeps the least of
// them over a run's values (start it at all bits set).
FENDWICK_AVX512 inline void keepLowest(__m128 x, __m128i& lowest)
{
    lowest = _mm_min_epu32(lowest, _mm_sub_epi32(_mm_castps_si128(x), _mm_set1_epi32(1)));
}

FENDWICK_AVX512 inline void keepLowest(__m256 x, __m256i& lowest)
{
    lowest = _mm256_min_epu32(lowest, _mm256_sub_epi32(_mm256_castps_si256(x), _mm256_set1_epi32(1)));
}

FENDWICK_AVX512 inline bool anyFlushable(__m128i lowest)
{
    return _mm_cmp_epu32_mask(lowest, _mm_set1_epi32(kSmallestNormalBits - 1), _MM_CMPINT_LT) != 0;
}

FENDWICK_AVX512 inline bool anyFlushable(__m256i lowest)
{
    return _mm256_cmp_epu32_mask(lowest, _mm256_set1_epi32(kSmallestNormalBits - 1), _MM_CMPINT_LT) != 0;
}

}  // namespace fendwick
