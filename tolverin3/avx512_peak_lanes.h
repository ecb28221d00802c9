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
// the peaks after each frame out by peak: byPeak[p] holds peak p of the
// four frames (those past count 0.0). The flush almost never changes a
// peak, so the frames go without it and are taken again from the start
// with it only where it would have changed one: the values are those of
// the flushed steps either way. No peak is negative.
template <class Lanes>
FENDWICK_AVX512 inline void stepPeakLanes(Lanes& lanes, const float* samples, __m128 (&byPeak)[4], int32_t count)
{
    const __m128 a = magnitudes(_mm_loadu_ps(samples));
    const Lanes start = lanes;
    const __m128 zero = _mm_setzero_ps();
    byPeak[0] = byPeak[1] = byPeak[2] = byPeak[3] = zero;
    __m128i lowest = _mm_set1_epi32(-1);
    lanes.template follow<false>(a, byPeak, count, lowest);
    if (__builtin_expect(anyFlushable(lowest), 0)) {
        lanes = start;
        lanes.template follow<true>(a, byPeak, count, lowest);
    }
    _MM_TRANSPOSE4_PS(byPeak[0], byPeak[1], byPeak[2], byPeak[3]);
}

}  // namespace fendwick
