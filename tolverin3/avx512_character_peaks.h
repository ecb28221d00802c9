// The SonicFilter detector's two peaks in the lanes of one vector, stepped
// with AVX-512VL masks as CharacterDetector::step steps each; run only on
// the AVX-512 path.
#pragma once

#include "avx512_peak_lanes.h"
#include "avx512_sample_steps.h"
#include "avx512_target.h"
#include "character_detector.h"

#include <immintrin.h>

#include <cstdint>

namespace fendwick {

// Lanes {30 ms, 150 ms, unused, unused}. Made from the detector once per
// block (its factors hold for the block), stepped and kept back on the
// audio thread.
class Avx512CharacterPeaks {
public:
    static constexpr int32_t kRunFrames = 4;

    FENDWICK_AVX512 explicit Avx512CharacterPeaks(const CharacterDetector& detector)
    {
        peak = _mm_setr_ps(detector.fastPeak(), detector.slowPeak(), 0.0f, 0.0f);
        fall = _mm_setr_ps(detector.fastFall(), detector.slowFall(), 0.0f, 0.0f);
    }

    FENDWICK_AVX512 void keepIn(CharacterDetector& detector) const
    {
        alignas(16) float peaks[4];
        _mm_store_ps(peaks, peak);
        detector.keepPeaks(peaks[0], peaks[1]);
    }

    // count frames (1 to kRunFrames) of samples in, each frame's peaks out
    // as a row {30 ms, 150 ms, -, -}; kRunFrames of each are read and
    // written, the rows past count of no meaning.
    FENDWICK_AVX512 void run(const float* samples, float (*rows)[4], int32_t count)
    {
        stepPeakLanes(*this, samples, rows, count);
    }

    // For stepPeakLanes: the magnitudes a of count frames in, the peaks
    // after each to frames[k]. Where a magnitude reaches a peak the peak
    // takes it, else (or for a NaN) it falls; flushed where Flush asks.
    template <bool Flush>
    FENDWICK_AVX512 void follow(__m128 a, __m128 (&frames)[kRunFrames], int32_t count, __m128i& lowest)
    {
        for (int32_t k = 0; k < count; ++k) {
            const __m128 x = _mm_broadcastss_ps(a);
            const __mmask8 rising = _mm_cmp_ps_mask(x, peak, _CMP_GE_OQ);
            peak = _mm_mask_mov_ps(_mm_mul_ps(peak, fall), rising, x);
            if constexpr (Flush) {
                peak = flushedNonNegative(peak);
            }
            frames[k] = peak;
            keepLowest(peak, lowest);
            a = _mm_permute_ps(a, _MM_SHUFFLE(0, 3, 2, 1));
        }
    }

private:
    __m128 peak;  // the 30 ms and the 150 ms peak, linear amplitude
    __m128 fall;  // per-sample factor of each half-life
};

}  // namespace fendwick
