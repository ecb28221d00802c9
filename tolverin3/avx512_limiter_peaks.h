// The limiter detector's three held peaks in the lanes of one vector, stepped
// with AVX-512VL masks as LimiterDetector::step steps each; run only on the
// AVX-512 path.
#pragma once

#include "avx512_peak_lanes.h"
#include "avx512_sample_steps.h"
#include "avx512_target.h"
#include "lane_types.h"
#include "limiter_detector.h"

#include <immintrin.h>

#include <cstdint>

namespace fendwick {

// Lanes {100 ms, 1 s, 10 ms, unused}: a rise in any lane, a hold and a fall
// become masks, so that a frame takes no branch however the signal moves.
// Made from the detector once per block (its factors hold for the block),
// stepped and kept back on the audio thread.
class Avx512LimiterPeaks {
public:
    static constexpr int32_t kRunFrames = 4;

    FENDWICK_AVX512 explicit Avx512LimiterPeaks(const LimiterDetector& detector)
    {
        // The unused lane never falls: it holds whatever rises into it.
        level = _mm_setr_ps(detector.peak(0), detector.peak(1), detector.peak(2), 0.0f);
        held = _mm_setr_epi32(detector.heldFor(0), detector.heldFor(1), detector.heldFor(2), 0);
        fall = _mm_setr_ps(detector.fallOf(0), detector.fallOf(1), detector.fallOf(2), 1.0f);
    }

    FENDWICK_AVX512 void keepIn(LimiterDetector& detector) const
    {
        alignas(16) float levels[4];
        alignas(16) int32_t holds[4];
        _mm_store_ps(levels, level);
        _mm_store_si128(reinterpret_cast<__m128i*>(holds), held);
        for (int32_t k = 0; k < 3; ++k) {
            detector.keepPeak(k, levels[k], holds[k]);
        }
    }

    // count frames (1 to kRunFrames) of samples in, their detected levels
    // out; kRunFrames of each are read and written, the lanes past count of
    // no meaning.
    FENDWICK_AVX512 void run(const float* samples, float* levels, int32_t count)
    {
        __m128 byPeak[kRunFrames];
        stepPeakLanes(*this, samples, byPeak, count);
        using Floats = LaneTypes<4>::Floats;
        Floats detected;
        LimiterDetector::levelsOf<VectorLanes<4>>(reinterpret_cast<Floats>(byPeak[0]), reinterpret_cast<Floats>(byPeak[1]),
                                                  reinterpret_cast<Floats>(byPeak[2]), detected);
        _mm_storeu_ps(levels, reinterpret_cast<__m128>(detected));
    }

    // For stepPeakLanes: the magnitudes a of count frames in, the peaks
    // after each to frames[k]. A lane a magnitude reaches takes it and
    // starts its hold; one still held counts on; any other falls, flushed
    // where Flush asks.
    template <bool Flush>
    FENDWICK_AVX512 void follow(__m128 a, __m128 (&frames)[kRunFrames], int32_t count, __m128i& lowest)
    {
        const __m128i hold = _mm_set1_epi32(LimiterDetector::kHoldSamples);
        const __m128i one = _mm_set1_epi32(1);
        for (int32_t k = 0; k < count; ++k) {
            const __m128 x = _mm_broadcastss_ps(a);
            const __mmask8 rising = _mm_cmp_ps_mask(x, level, _CMP_GE_OQ);
            const __mmask8 holding = _mm_cmplt_epi32_mask(held, hold);
            __m128 fallen = _mm_mul_ps(level, fall);
            if constexpr (Flush) {
                fallen = flushedNonNegative(fallen);
            }
            level = _mm_mask_mov_ps(_mm_mask_mov_ps(fallen, holding, level), rising, x);
            held = _mm_maskz_mov_epi32(static_cast<__mmask8>(~rising), _mm_mask_add_epi32(held, holding, held, one));
            frames[k] = level;
            keepLowest(level, lowest);
            a = _mm_permute_ps(a, _MM_SHUFFLE(0, 3, 2, 1));
        }
    }

private:
    __m128 level;  // the peaks, linear amplitude
    __m128i held;  // samples each peak has been held
    __m128 fall;   // per-sample factor of each half-life
};

}  // namespace fendwick
