// The magnitude and the flush of the per-sample guards on four lanes in
// AVX-512VL masks, for loops that run only where processorHasAvx512vl() says so.
#pragma once

#include "avx512_target.h"

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

}  // namespace fendwick
