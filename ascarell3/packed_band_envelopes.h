// The envelopes of all three bands in one AVX-512 vector, stepped as
// EnvelopeLanes steps each band; built only where the x86 vector paths are,
// and run only where the processor has AVX-512VL.
#pragma once

#include "band_mix_lanes.h"
#include "envelope_lanes.h"
#include "frame_group_lanes.h"
#include "lane_types.h"
#include "multiband_frame_loop.h"

#include <immintrin.h>

#include <cmath>
#include <cstdint>
#include <cstring>

namespace fendwick {

// Lanes come in slots of four, each holding what EnvelopeLanes holds in its
// four lanes: {env1, env1, env2, env2} of a left and a right side. Stereo
// takes 16 lanes, slot b for band b with its two channels, the fourth slot
// idle. Mono takes 8 lanes and puts a band on each side: band 0 and band 1
// in slot 0, band 2 alone in slot 1. A frame then costs one step of the
// recurrence for every band at once, where one vector per band took three.
//
// A run skips the flush only where every slot may (see EnvelopeLanes): the
// bits stay those of the flushed steps either way.
//
// Holds the coefficients of one block and the envelopes; made, stepped and
// stored back on the audio thread.
template <int Channels>
class PackedBandEnvelopes {
public:
    static constexpr int32_t kWidth = Channels == 2 ? 16 : 8;
    static constexpr int32_t kSlots = kWidth / 4;
    static constexpr int32_t kRunFrames = EnvelopeLanes::kRunFrames;
    using Floats = typename LaneTypes<kWidth>::Floats;
    using Ints = typename LaneTypes<kWidth>::Ints;
    using Bits = typename LaneTypes<kWidth>::Bits;

    __attribute__((target("avx512f,avx512vl"))) PackedBandEnvelopes(const MultibandBlockSettings& settings,
                                                                   const MultibandLoopState& state)
    {
        alignas(64) float k[kCoefficientRows + 1][kWidth] = {};  // and the input floors
        alignas(64) float start[kWidth] = {};
        for (int32_t slot = 0; slot < kSlots; ++slot) {
            const Side left = sideOf(slot, 0);
            const Side right = sideOf(slot, 1);
            if (left.band < 0) {
                continue;  // idle: no input, no release, held at 0
            }
            const EnvelopeDetector::Coefficients& l = settings.detectors[left.band][left.channel];
            const EnvelopeDetector::Coefficients& r =
                right.band < 0 ? l : settings.detectors[right.band][right.channel];
            const EnvelopeLanes::LaneCoefficients c = EnvelopeLanes(l, r, right.band >= 0).laneCoefficients();
            const __m128 rows[] = {c.attack, c.release, c.inputMask, c.startFloor, c.averageLeft, c.averageRight};
            for (int32_t row = 0; row < kCoefficientRows; ++row) {
                _mm_storeu_ps(&k[row][4 * slot], rows[row]);
            }
            for (int32_t lane = 0; lane < 4; ++lane) {
                k[kInputFloorRow][4 * slot + lane] = c.inputFloor;
                start[4 * slot + lane] = sideEnvelope(state, slot, lane);
            }
        }
        std::memcpy(&attack, k[0], sizeof(Floats));
        std::memcpy(&release, k[1], sizeof(Floats));
        std::memcpy(&inputMask, k[2], sizeof(Floats));
        std::memcpy(&startFloor, k[3], sizeof(Floats));
        std::memcpy(&averageLeft, k[4], sizeof(Floats));
        std::memcpy(&averageRight, k[5], sizeof(Floats));
        std::memcpy(&inputFloor, k[kInputFloorRow], sizeof(Floats));
        std::memcpy(&env, start, sizeof(Floats));
    }

    // Writes the envelopes back, with each band's last sample of the block.
    __attribute__((target("avx512f,avx512vl"))) void store(MultibandLoopState& state, const BandBlock& block,
                                                           int32_t last) const
    {
        alignas(64) float lanes[kWidth];
        std::memcpy(lanes, &env, sizeof(Floats));
        for (int32_t slot = 0; slot < kSlots; ++slot) {
            for (int side = 0; side < 2; ++side) {
                const Side s = sideOf(slot, side);
                if (s.band >= 0) {
                    const float x = block.sample[s.band][s.channel][last];
                    state.envelopes[s.band][s.channel] = {lanes[4 * slot + side], lanes[4 * slot + 2 + side], x,
                                                          x < 0.0f ? -x : x};
                }
            }
        }
    }

    // Follows count (1 to kRunFrames) frames of band inputs (four frames
    // per band and channel) and writes the detected levels before the knee
    // into the block from frame `first` on.
    __attribute__((target("avx512f,avx512vl"))) void follow(const __m128 (&bands)[kMultibandBandCount][2],
                                                            int32_t count, BandBlock& block, int32_t first)
    {
        // x < 0 ? -x : x, as the detector takes it, on every band at once.
        const Floats joinedLeft = join(bands, 0);
        const Floats joinedRight = join(bands, 1);
        const Floats left = joinedLeft < 0.0f ? -joinedLeft : joinedLeft;
        const Floats right = joinedRight < 0.0f ? -joinedRight : joinedRight;
        const Ints small = (left != 0.0f && left < inputFloor) || (right != 0.0f && right < inputFloor);
        Floats inputs[kRunFrames];
        spread(left, right, inputs);
        // Frames past count keep the last envelopes.
        Floats envelopes[kRunFrames];
        if (!any(small) && flushFreeStart()) {
#pragma GCC unroll 4
            for (int32_t k = 0; k < kRunFrames; ++k) {
                env = k < count ? maskedStep(env, inputs[k]) : env;
                envelopes[k] = env;
            }
        } else {
            for (int32_t k = 0; k < kRunFrames; ++k) {
                if (k < count) {
                    const Floats up = inputs[k] + (env - inputs[k]) * attack;
                    const Floats down = env * release;
                    env = inputs[k] >= env ? up : down;
                    flushToZeroInPlace<Bits>(env);
                }
                envelopes[k] = env;
            }
        }
        storeLevels(envelopes, block, first);
    }

private:
    static constexpr int32_t kCoefficientRows = 6;
    static constexpr int32_t kInputFloorRow = kCoefficientRows;

    struct Side {
        int32_t band;  // -1: none
        int channel;
    };

    static constexpr Side sideOf(int32_t slot, int side)
    {
        if (Channels == 2) {
            return {slot < kMultibandBandCount ? slot : -1, side};
        }
        const int32_t band = 2 * slot + side;
        return {band < kMultibandBandCount ? band : -1, 0};
    }

    // Lane k of a slot as EnvelopeLanes::load lays it out.
    static float sideEnvelope(const MultibandLoopState& state, int32_t slot, int32_t lane)
    {
        const Side s = sideOf(slot, lane & 1);
        if (s.band < 0) {
            return 0.0f;
        }
        const EnvelopeDetector::Envelope& e = state.envelopes[s.band][s.channel];
        return lane < 2 ? e.env1 : e.env2;
    }

    // The bands of one side of every slot, four frames each.
    __attribute__((target("avx512f,avx512vl"))) static Floats join(
        const __m128 (&bands)[kMultibandBandCount][2], int side)
    {
        __m128 parts[4];
        for (int32_t slot = 0; slot < 4; ++slot) {
            const Side s = slot < kSlots ? sideOf(slot, side) : Side{-1, 0};
            parts[slot] = s.band < 0 ? _mm_setzero_ps() : bands[s.band][s.channel];
        }
        if constexpr (kWidth == 16) {
            // Inserts into zeros, as the casts trip the compiler's uninitialized-value warning.
            __m512 joined = _mm512_setzero_ps();
            joined = _mm512_insertf32x4(joined, parts[0], 0);
            joined = _mm512_insertf32x4(joined, parts[1], 1);
            joined = _mm512_insertf32x4(joined, parts[2], 2);
            return _mm512_insertf32x4(joined, parts[3], 3);
        } else {
            return _mm256_set_m128(parts[1], parts[0]);
        }
    }

    // Frame k's lane inputs, slot by slot {|l_k|, |r_k|, |l_k|, |r_k|}, with
    // the lanes that take no input cleared.
    __attribute__((target("avx512f,avx512vl"))) void spread(Floats left, Floats right,
                                                            Floats (&inputs)[kRunFrames]) const
    {
        for (int32_t k = 0; k < kRunFrames; ++k) {
            Ints pick;
            for (int32_t lane = 0; lane < kWidth; ++lane) {
                const int32_t at = (lane & ~3) + k;
                pick[lane] = (lane & 1) != 0 ? kWidth + at : at;
            }
            inputs[k] = reinterpret_cast<Floats>(reinterpret_cast<Bits>(shuffleLanes(left, right, pick)) &
                                                 inputMask);
        }
    }

    // Whether every lane is 0 or at least its start floor (see EnvelopeLanes::flushFreeStart).
    __attribute__((target("avx512f,avx512vl"))) bool flushFreeStart() const
    {
        return !any(env != 0.0f && env < startFloor);
    }

    __attribute__((target("avx512f,avx512vl"))) static bool any(Ints lanes)
    {
        if constexpr (kWidth == 16) {
            const auto bits = reinterpret_cast<__m512i>(lanes);
            return _mm512_test_epi32_mask(bits, bits) != 0;
        } else {
            const auto bits = reinterpret_cast<__m256i>(lanes);
            return _mm256_test_epi32_mask(bits, bits) != 0;
        }
    }

    // One step without the flush, as MaskedAddStep takes it.
    __attribute__((target("avx512f,avx512vl"))) Floats maskedStep(Floats e, Floats magnitude) const
    {
        if constexpr (kWidth == 16) {
            const __mmask16 rising = _mm512_cmp_ps_mask(magnitude, e, _CMP_GE_OQ);
            const __m512 closing = _mm512_mul_ps(_mm512_sub_ps(e, magnitude), attack);
            return _mm512_mask_add_ps(_mm512_mul_ps(e, release), rising, magnitude, closing);
        } else {
            const __mmask8 rising = _mm256_cmp_ps_mask(magnitude, e, _CMP_GE_OQ);
            const __m256 closing = _mm256_mul_ps(_mm256_sub_ps(e, magnitude), attack);
            return _mm256_mask_add_ps(_mm256_mul_ps(e, release), rising, magnitude, closing);
        }
    }

    // The levels of four frames, (env1 + env2) x the side's average, into
    // the block, per slot as EnvelopeLanes::levels forms them.
    __attribute__((target("avx512f,avx512vl"))) void storeLevels(const Floats (&e)[kRunFrames], BandBlock& block,
                                                                 int32_t first) const
    {
        const Floats sum01 = pairs(e[0], e[1], 0) + pairs(e[0], e[1], 2);
        const Floats sum23 = pairs(e[2], e[3], 0) + pairs(e[2], e[3], 2);
        const Floats sides[2] = {halves(sum01, sum23, 0) * averageLeft, halves(sum01, sum23, 2) * averageRight};
        for (int32_t slot = 0; slot < kSlots; ++slot) {
            for (int side = 0; side < 2; ++side) {
                const Side s = sideOf(slot, side);
                if (s.band >= 0) {
                    std::memcpy(&block.level[s.band][s.channel][first],
                                reinterpret_cast<const float*>(&sides[side]) + 4 * slot, 4 * sizeof(float));
                }
            }
        }
    }

    // The lanes of `a` and `b` that `pick` names, 0 to kWidth - 1 in `a` and
    // the next kWidth in `b`, as GCC's two-vector shuffle picks them. Clang
    // shuffles only by constant indices, so there the lanes move one by one:
    // the same bits, slower, and only the fuzzing build compiles with clang.
    __attribute__((always_inline, target("avx512f,avx512vl"))) static Floats shuffleLanes(Floats a, Floats b,
                                                                                          Ints pick)
    {
#if defined(__clang__)
        Floats picked{};
        for (int32_t lane = 0; lane < kWidth; ++lane) {
            const int32_t at = pick[lane] & (2 * kWidth - 1);
            picked[lane] = at < kWidth ? a[at] : b[at - kWidth];
        }
        return picked;
#else
        return __builtin_shuffle(a, b, pick);
#endif
    }

    // Slot by slot {a[i], b[i], a[i + 1], b[i + 1]}: the unpack of two
    // frames' lanes from i on.
    __attribute__((target("avx512f,avx512vl"))) static Floats pairs(Floats a, Floats b, int32_t i)
    {
        Ints pick;
        for (int32_t lane = 0; lane < kWidth; ++lane) {
            const int32_t at = (lane & ~3) + i + ((lane & 3) >> 1);
            pick[lane] = (lane & 1) != 0 ? kWidth + at : at;
        }
        return shuffleLanes(a, b, pick);
    }

    // Slot by slot {a[i], a[i + 1], b[i], b[i + 1]}: one side's levels of
    // four frames from the sums of frames 0, 1 (a) and 2, 3 (b).
    __attribute__((target("avx512f,avx512vl"))) static Floats halves(Floats a, Floats b, int32_t i)
    {
        Ints pick;
        for (int32_t lane = 0; lane < kWidth; ++lane) {
            const int32_t at = (lane & ~3) + i + (lane & 1);
            pick[lane] = (lane & 2) != 0 ? kWidth + at : at;
        }
        return shuffleLanes(a, b, pick);
    }

    Floats attack;
    Floats release;
    Bits inputMask;
    Floats startFloor;
    Floats averageLeft;
    Floats averageRight;
    Floats inputFloor;
    Floats env;
};

}  // namespace fendwick
