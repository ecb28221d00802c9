// The limiter detector's three held peaks in the lanes of one vector, stepped
// with AVX-512VL masks as LimiterDetector::step steps each; run only on the
// AVX-512 path.
#pragma once

#include "avx512_peak_lanes.h"
#include "avx512_sample_steps.h"
#include "avx512_target.h"
#include "held_peak_lanes_avx512.h"
#include "lane_types.h"
#include "limiter_detector.h"

#include <immintrin.h>

#include <cstdint>

namespace fendwick {

// Lanes {100 ms, 1 s, 10 ms, unused} of eight: a rise in any lane, a hold and a fall
// become masks, so that a frame takes no branch however the signal moves.
// Made from the detector once per block (its factors hold for the block),
// stepped and kept back on the audio thread.
class Avx512LimiterPeaks {
public:
    static constexpr int32_t kRunFrames = 4;

    FENDWICK_AVX512 explicit Avx512LimiterPeaks(const LimiterDetector& detector)
    {
        // The unused lanes never fall: they hold whatever rises into them.
        level = _mm256_setr_ps(detector.peak(0), detector.peak(1), detector.peak(2), 0.0f, 0.0f, 0.0f, 0.0f, 0.0f);
        held = _mm256_setr_epi32(detector.heldFor(0), detector.heldFor(1), detector.heldFor(2), 0, 0, 0, 0, 0);
        fall = _mm256_setr_ps(detector.fallOf(0), detector.fallOf(1), detector.fallOf(2), 1.0f, 1.0f, 1.0f, 1.0f,
                              1.0f);
    }

    FENDWICK_AVX512 void keepIn(LimiterDetector& detector) const
    {
        alignas(16) float levels[4];
        alignas(16) int32_t holds[4];
        _mm_store_ps(levels, _mm256_castps256_ps128(level));
        _mm_store_si128(reinterpret_cast<__m128i*>(holds), _mm256_castsi256_si128(held));
        for (int32_t k = 0; k < 3; ++k) {
            detector.keepPeak(k, levels[k], holds[k]);
        }
    }

    // count frames (1 to kRunFrames) of samples in, each frame's peaks out
    // as a row {100 ms, 1 s, 10 ms, -}; kRunFrames of each are read and
    // written, the rows past count of no meaning.
    FENDWICK_AVX512 void run(const float* samples, float (*rows)[4], int32_t count)
    {
        stepPeakLanes(*this, samples, rows, count);
    }

    // For stepPeakLanes: the magnitudes a of count frames in, the peaks
    // after each to frames[k], flushed where Flush asks.
    template <bool Flush>
    FENDWICK_AVX512 void follow(__m128 a, __m128 (&frames)[kRunFrames], int32_t count, __m128i& lowest)
    {
        for (int32_t k = 0; k < count; ++k) {
            stepHeldPeaks<Flush>(_mm256_broadcastss_ps(a), fall, level, held);
            frames[k] = _mm256_castps256_ps128(level);
            keepLowest(frames[k], lowest);
            a = _mm_permute_ps(a, _MM_SHUFFLE(0, 3, 2, 1));
        }
    }

private:
    __m256 level;  // the peaks, linear amplitude, in the low four lanes
    __m256i held;  // samples each peak has been held
    __m256 fall;   // per-sample factor of each half-life
};

}  // namespace fendwick
