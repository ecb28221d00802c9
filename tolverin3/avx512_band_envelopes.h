// The level detectors of the three bands side by side in the lanes of one
// vector, stepped with AVX-512VL masks as LevelDetector::step steps each;
// run only on the AVX-512 path.
#pragma once

#include "ascarell3_parameters.h"
#include "avx512_frame_pairs.h"
#include "avx512_sample_steps.h"
#include "avx512_target.h"
#include "character_band_settings.h"
#include "level_detector.h"
#include "sample_guards.h"

#include <immintrin.h>

#include <cstdint>

namespace fendwick {

// Lanes {Hi, Mid, Lo, unused} of the fast (or manual) envelopes, then the
// same four of the slow envelopes of the automatic release, so that a frame
// steps both envelopes of every band in one instruction. Made from the
// detectors once per block (their coefficients then hold for the block),
// stepped and kept back on the audio thread.
//
// A step is a masked add on the chain subtract, multiply, add: where the
// magnitude a reaches the envelope it takes a + (env - a) * attack, else
// env * release. The lanes that must not move need no choice of their own:
// a band not stepped takes the magnitude 0 and the release factor 1, which
// leave its envelopes where they are (0 >= env only where env is 0); the
// slow lane of a stepped band with manual release takes 0 and the factor 0,
// which hold it at 0.0 as the detector does.
class Avx512BandEnvelopes {
public:
    static constexpr int32_t kRunFrames = 4;

    FENDWICK_AVX512 Avx512BandEnvelopes(const LevelDetector (&detectors)[kMultibandBandCount],
                                        const CharacterBandSettings (&bands)[kMultibandBandCount])
    {
        alignas(32) float lanes[3][kLanes] = {};  // env, attack, release
        alignas(32) uint32_t taken[kLanes] = {};
        uint32_t manualBands = 0;
        for (int32_t b = 0; b < kMultibandBandCount; ++b) {
            const LevelDetector& d = detectors[b];
            const EnvelopeTiming& t = d.coefficients();
            const bool stepped = bands[b].compression > 0.5f;
            const bool byRelease = d.manualRelease();
            lanes[0][b] = d.fastEnvelope();
            lanes[0][kSlow + b] = d.slowEnvelope();
            lanes[1][b] = lanes[1][kSlow + b] = t.attack();
            lanes[2][b] = !stepped ? 1.0f : byRelease ? t.release() : t.fastRelease();
            lanes[2][kSlow + b] = !stepped ? 1.0f : byRelease ? 0.0f : t.slowRelease();
            taken[b] = stepped ? kFloatMagnitudeBits : 0u;
            taken[kSlow + b] = stepped && !byRelease ? kFloatMagnitudeBits : 0u;
            manualBands |= byRelease ? 1u << b : 0u;
        }
        env = _mm256_load_ps(lanes[0]);
        attack = _mm256_load_ps(lanes[1]);
        release = _mm256_load_ps(lanes[2]);
        magnitudeBits = _mm256_load_si256(reinterpret_cast<const __m256i*>(taken));
        manualPairs = static_cast<__mmask16>(manualBands | manualBands << 8);
    }

    FENDWICK_AVX512 void keepIn(LevelDetector (&detectors)[kMultibandBandCount]) const
    {
        alignas(32) float lanes[kLanes];
        _mm256_store_ps(lanes, env);
        for (int32_t b = 0; b < kMultibandBandCount; ++b) {
            detectors[b].keepEnvelopes(lanes[b], lanes[kSlow + b]);
        }
    }

    // count frames (1 to kRunFrames) of band samples {Hi, Mid, Lo, 0} in,
    // the levels of each band to levels[b][0..kRunFrames) out (lanes of
    // bands not stepped and frames past count of no meaning). The flush
    // almost never changes an envelope, so a run goes without it and is
    // taken again from its start with it only where it would have changed
    // one: the values are those of the flushed steps either way.
    FENDWICK_AVX512 void run(const float (*bands)[4], float* const (&levels)[kMultibandBandCount], int32_t count)
    {
        const __m256 start = env;
        __m256 after[kRunFrames] = {start, start, start, start};
        // No envelope is negative.
        __m256i lowest = _mm256_set1_epi32(-1);
        for (int32_t k = 0; k < count; ++k) {
            env = next(env, bands[k]);
            after[k] = env;
            keepLowest(env, lowest);
        }
        if (__builtin_expect(anyFlushable(lowest), 0)) {
            env = start;
            for (int32_t k = 0; k < count; ++k) {
                env = flushedNonNegative(next(env, bands[k]));
                after[k] = env;
            }
        }
        // Two frames to a vector, then lane b of each frame to row b.
        const __m512 early = levelsOf(framePair(after[0], after[1]));
        const __m512 late = levelsOf(framePair(after[2], after[3]));
        for (int32_t b = 0; b < kMultibandBandCount; ++b) {
            _mm_storeu_ps(levels[b], laneOfFrames(early, late, b));
        }
    }

private:
    static constexpr int32_t kLanes = 8;
    static constexpr int32_t kSlow = 4;

    // The levels of two frames' envelopes {fast, slow} side by side: each
    // band's in its fast lane. The merge-masked shuffle, as the plain one
    // trips the compiler's uninitialized-value warning.
    FENDWICK_AVX512 __m512 levelsOf(__m512 both) const
    {
        const __m512 swapped = _mm512_mask_shuffle_f32x4(both, 0xffff, both, both, _MM_SHUFFLE(2, 3, 0, 1));
        const __m512 average = _mm512_mul_ps(_mm512_add_ps(both, swapped), _mm512_set1_ps(0.5f));
        return _mm512_mask_mov_ps(average, manualPairs, both);
    }

    // The envelopes e after one frame {Hi, Mid, Lo, 0} of band samples, unflushed.
    FENDWICK_AVX512 __m256 next(__m256 e, const float* band) const
    {
        const __m256 spread = _mm256_broadcast_ps(reinterpret_cast<const __m128*>(band));
        const __m256 a = _mm256_castsi256_ps(_mm256_and_si256(_mm256_castps_si256(spread), magnitudeBits));
        const __mmask8 rising = _mm256_cmp_ps_mask(a, e, _CMP_GE_OQ);
        const __m256 closing = _mm256_mul_ps(_mm256_sub_ps(e, a), attack);
        return _mm256_mask_add_ps(_mm256_mul_ps(e, release), rising, a, closing);
    }

    __m256 env;              // fast lanes, then slow lanes
    __m256 attack;
    __m256 release;          // 1 in lanes not stepped, 0 in the slow lanes of manual release
    __m256i magnitudeBits;   // the magnitude bits of a lane's sample where it is stepped, else none
    __mmask16 manualPairs;   // the fast lanes of bands with manual release, in two frames side by side
};

}  // namespace fendwick
