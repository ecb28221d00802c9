// The level detectors of the three bands side by side in the lanes of one
// vector, stepped with AVX-512VL masks as LevelDetector::step steps each;
// run only on the AVX-512 path.
#pragma once

#include "ascarell3_parameters.h"
#include "avx512_sample_steps.h"
#include "avx512_target.h"
#include "character_band_settings.h"
#include "four_column_rows.h"
#include "lane_types.h"
#include "level_detector.h"
#include "pair_mean.h"
#include "sample_guards.h"

#include <immintrin.h>

#include <cstdint>
#include <cstring>

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
        manual = manualBands;
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
    // each frame's envelopes out as rows {Hi, Mid, Lo, -}, the fast (or
    // manual) ones to fast and the slow ones to slow, for levelsInto (lanes
    // of bands not stepped and rows past count of no meaning). The flush
    // almost never changes an envelope, so a run goes without it and is
    // taken again from its start with it only where it would have changed
    // one: the values are those of the flushed steps either way.
    FENDWICK_AVX512 void run(const float (*bands)[4], float (*fast)[4], float (*slow)[4], int32_t count)
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
        for (int32_t k = 0; k < kRunFrames; ++k) {
            _mm_storeu_ps(fast[k], _mm256_castps256_ps128(after[k]));
            _mm_storeu_ps(slow[k], _mm256_extractf128_ps(after[k], 1));
        }
    }

    // Each band's levels from the rows run stored, sixteen frames at a time
    // over `frames` rounded up: the fast envelope with manual release, else
    // the mean of both. Into levels[b], by band.
    FENDWICK_AVX512 void levelsInto(const float (*fast)[4], const float (*slow)[4],
                                    float* const (&levels)[kMultibandBandCount], int32_t frames) const
    {
        using Floats = LaneTypes<16>::Floats;
        for (int32_t i = 0; i < frames; i += 16) {
            Floats fastColumns[4];
            Floats slowColumns[4];
            columnsOf(fast, i, fastColumns);
            columnsOf(slow, i, slowColumns);
            for (int32_t b = 0; b < kMultibandBandCount; ++b) {
                Floats level = fastColumns[b];
                if ((manual & 1u << b) == 0) {
                    meanOfPair<VectorLanes<16>>(fastColumns[b], slowColumns[b], level);
                }
                std::memcpy(levels[b] + i, &level, sizeof level);
            }
        }
    }

private:
    static constexpr int32_t kLanes = 8;
    static constexpr int32_t kSlow = 4;

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
    uint32_t manual;         // bit b set where band b has manual release
};

}  // namespace fendwick
