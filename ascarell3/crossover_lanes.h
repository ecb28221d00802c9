// The four low-pass sections of the three-band crossover in four SSE lanes,
// stepped as CrossoverLowpass::step steps each; built only where the x86
// vector paths are.
#pragma once

#include "frame_group_lanes.h"
#include "three_band_crossover.h"

#include <immintrin.h>

#include <cstdint>

namespace fendwick {

// Lanes hold {low left, low right, high left, high right}; the mono build
// leaves the right lanes at zero. Each frame takes the input
// {left, right, left, right} and gives {lo left, lo right, low-pass left,
// low-pass right} at the two cutoffs.
//
// The flush sits on the recurrence's critical path, yet it almost never
// changes a value: it turns denormals and -0.0 into 0.0 and leaves every
// other value as it is. So a run of open frames goes without it, and when
// any output of the run is one the flush would have changed (FlushCheck
// tells, see BitwiseFlushCheck), the run is taken again from its start with
// the flush: the outputs agree bit for bit with a flushed run either way.
//
// Holds the coefficients of one block and the history; made, stepped and
// stored back on the audio thread.
class CrossoverLanes {
public:
    static constexpr int32_t kRunFrames = frame_group::kFrames;

    explicit CrossoverLanes(ThreeBandCrossover& crossover);

    // Writes the history back into the crossover's sections.
    void store(ThreeBandCrossover& crossover) const;

    // The lane inputs of four frames from their inputs per channel.
    static void spreadInputs(__m128 left, __m128 right, __m128 (&frames)[kRunFrames])
    {
        const __m128 low = _mm_unpacklo_ps(left, right);
        const __m128 high = _mm_unpackhi_ps(left, right);
        frames[0] = _mm_movelh_ps(low, low);
        frames[1] = _mm_movehl_ps(low, low);
        frames[2] = _mm_movelh_ps(high, high);
        frames[3] = _mm_movehl_ps(high, high);
    }

    // Steps the frames of bit k set in `open` (count frames, 1 to
    // kRunFrames) and leaves the others out, with outputs of 0.0; outputs
    // past count hold 0.0 on the call.
    template <class FlushCheck>
    void run(const __m128 (&inputs)[kRunFrames], __m128 (&outputs)[kRunFrames], uint32_t open, int32_t count)
    {
        if (open == (1u << count) - 1u) {
            const History start = history;
            for (int32_t k = 0; k < count; ++k) {
                outputs[k] = step(inputs[k]);
            }
            if (!FlushCheck::anyFlushable(outputs)) {
                return;
            }
            history = start;
        }
        for (int32_t k = 0; k < count; ++k) {
            if ((open >> k & 1u) == 0) {
                outputs[k] = _mm_setzero_ps();
                continue;
            }
            outputs[k] = step(inputs[k]);
            flushToZeroInPlace<frame_group::Bits>(outputs[k]);
            history.y1 = outputs[k];
        }
    }

private:
    struct History {
        __m128 x1;
        __m128 x2;
        __m128 y1;
        __m128 y2;
    };

    // One frame without the flush.
    __m128 step(__m128 x)
    {
        History& h = history;
        const __m128 feed = _mm_add_ps(_mm_mul_ps(b1, h.x1), _mm_mul_ps(b0, _mm_add_ps(x, h.x2)));
        const __m128 y = _mm_sub_ps(_mm_sub_ps(feed, _mm_mul_ps(a1, h.y1)), _mm_mul_ps(a2, h.y2));
        h.x2 = h.x1;
        h.x1 = x;
        h.y2 = h.y1;
        h.y1 = y;
        return y;
    }

    __m128 b0;
    __m128 b1;
    __m128 a1;
    __m128 a2;
    History history;
};

// Whether the flush changes any lane of a run's outputs: all exponent bits
// clear, and not +0.0. In SSE2.
struct BitwiseFlushCheck {
    static bool anyFlushable(const __m128 (&outputs)[CrossoverLanes::kRunFrames])
    {
        const __m128i exponent = _mm_set1_epi32(static_cast<int32_t>(kFloatExponentBits));
        const __m128i zero = _mm_setzero_si128();
        __m128i flushable = zero;
        for (const __m128 output : outputs) {
            const __m128i bits = _mm_castps_si128(output);
            const __m128i tiny = _mm_cmpeq_epi32(_mm_and_si128(bits, exponent), zero);
            flushable = _mm_or_si128(flushable, _mm_andnot_si128(_mm_cmpeq_epi32(bits, zero), tiny));
        }
        return _mm_movemask_epi8(flushable) != 0;
    }
};

// The same in AVX-512, for the processors that have it: all four outputs in
// one vector, rotated left by one bit, where +0.0 becomes 0, -0.0 1 and the
// denormals 2 to 2^24 - 1, so that one unsigned compare of the rotated bits
// minus one finds the values the flush changes.
struct RotatedFlushCheck {
    __attribute__((target("avx512f,avx512vl"))) static bool anyFlushable(
        const __m128 (&outputs)[CrossoverLanes::kRunFrames])
    {
        __m512 all = _mm512_setzero_ps();
        all = _mm512_insertf32x4(all, outputs[0], 0);
        all = _mm512_insertf32x4(all, outputs[1], 1);
        all = _mm512_insertf32x4(all, outputs[2], 2);
        all = _mm512_insertf32x4(all, outputs[3], 3);
        // The zero-masked rotate, as the plain one trips the compiler's uninitialized-value warning.
        const __m512i rotated = _mm512_maskz_rol_epi32(0xffff, _mm512_castps_si512(all), 1);
        const __m512i changed = _mm512_sub_epi32(rotated, _mm512_set1_epi32(1));
        return _mm512_cmp_epu32_mask(changed, _mm512_set1_epi32((1 << 24) - 1), _MM_CMPINT_LT) != 0;
    }
};

}  // namespace fendwick
