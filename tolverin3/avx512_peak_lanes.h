// A group of frames through the lanes of an AVX-512 peak detector, without
// the flush where it changes nothing; run only on the AVX-512 path.
#pragma once

#include "avx512_sample_steps.h"
#include "avx512_target.h"

#include <immintrin.h>

#include <cstdint>

namespace fendwick {

// count frames (1 to 4) of samples (four read) through Lanes, which holds
// its peaks in the lanes of one vector and steps them with follow<Flush>;
// the peaks after each frame out as rows of four floats (those past count
// 0.0), for the vector stages to take apart. The flush almost never changes a
// peak, so the frames go without it and are taken again from the start
// with it only where it would have changed one: the values are those of
// the flushed steps either way. No peak is negative.
template <class Lanes>
FENDWICK_AVX512 inline void stepPeakLanes(Lanes& lanes, const float* samples, float (*rows)[4], int32_t count)
{
    const __m128 a = magnitudes(_mm_loadu_ps(samples));
    const Lanes start = lanes;
    const __m128 zero = _mm_setzero_ps();
    __m128 byFrame[4] = {zero, zero, zero, zero};
    __m128i lowest = _mm_set1_epi32(-1);
    lanes.template follow<false>(a, byFrame, count, lowest);
    if (__builtin_expect(anyFlushable(lowest), 0)) {
        lanes = start;
        lanes.template follow<true>(a, byFrame, count, lowest);
    }
    for (int32_t k = 0; k < 4; ++k) {
        _mm_storeu_ps(rows[k], byFrame[k]);
    }
}

}  // namespace fendwick
