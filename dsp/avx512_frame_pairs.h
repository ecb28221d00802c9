// Four frames of eight lanes each, held two to a 512-bit vector, and one
// lane of each frame gathered from them, for loops that run only where
// processorHasAvx512vl() says so.
#pragma once

#include "avx512_target.h"

#include <immintrin.h>

#include <cstdint>

namespace fendwick {

// The merge-masked forms throughout, as the plain ones trip the compiler's
// uninitialized-value warning.

// The lanes of first, then those of second.
FENDWICK_AVX512 inline __m512 framePair(__m256 first, __m256 second)
{
    const __m512d zero = _mm512_setzero_pd();
    const __m512d low = _mm512_mask_insertf64x4(zero, 0xff, zero, _mm256_castps_pd(first), 0);
    return _mm512_castpd_ps(_mm512_mask_insertf64x4(low, 0xff, low, _mm256_castps_pd(second), 1));
}

// Lane `lane` (0 to 7) of frames 0 and 1 (early) and of frames 2 and 3 (late), in frame order.
FENDWICK_AVX512 inline __m128 laneOfFrames(__m512 early, __m512 late, int32_t lane)
{
    const __m512i frames = _mm512_setr_epi32(lane, 8 + lane, 16 + lane, 24 + lane, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    return _mm512_mask_extractf32x4_ps(_mm_setzero_ps(), 0xf, _mm512_permutex2var_ps(early, frames, late), 0);
}

}  // namespace fendwick
