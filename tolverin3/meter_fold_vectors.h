// A meter's quantities over a run of a chunk's frames folded in vectors into
// the one value a MeterChannel gathers for them; built only where the x86
// vector paths are.
#pragma once

#include "frame_group_lanes.h"
#include "meter_channel.h"

#include <immintrin.h>

#include <cstdint>

namespace fendwick {

// What a meter of `kind` keeps of the frames of a 32-frame row whose bits
// are set in `run`, from its rest value: the largest magnitude (level) or
// the smallest gain. Frames outside the run count as the rest value, which
// no fold takes over a gathered value. The meter holds the value at 1.0 as
// it takes it. max (min) keeps its second operand unless the first is
// larger (smaller), as gather does, so that a NaN is never taken; the
// lanes meet pairwise at the end, which gives the value of one quantity
// after another as no magnitude or gain is -0.0.
template <int Width>
struct MeterFoldVectors;

template <>
struct MeterFoldVectors<4> {
    static float fold(MeterKind kind, const float* row, uint32_t run)
    {
        const bool level = kind == MeterKind::level;
        const __m128 rest = _mm_set1_ps(level ? 0.0f : 1.0f);
        const __m128 sign = _mm_set1_ps(-0.0f);
        __m128 kept = rest;
        for (int32_t i = 0; i < 32; i += 4) {
            const __m128 inRun = frame_group::frameMask(run >> i & 0xfu);
            __m128 q = _mm_load_ps(row + i);
            q = level ? _mm_andnot_ps(sign, q) : q;
            q = _mm_or_ps(_mm_and_ps(inRun, q), _mm_andnot_ps(inRun, rest));
            kept = level ? _mm_max_ps(q, kept) : _mm_min_ps(q, kept);
        }
        return meetLanes(level, kept);
    }

    static float meetLanes(bool level, __m128 kept)
    {
        const __m128 high = _mm_movehl_ps(kept, kept);
        kept = level ? _mm_max_ps(high, kept) : _mm_min_ps(high, kept);
        const __m128 odd = _mm_shuffle_ps(kept, kept, 1);
        kept = level ? _mm_max_ss(odd, kept) : _mm_min_ss(odd, kept);
        return _mm_cvtss_f32(kept);
    }
};

template <>
struct MeterFoldVectors<16> {
    __attribute__((target("avx512f,avx512vl"))) static float fold(MeterKind kind, const float* row, uint32_t run)
    {
        const bool level = kind == MeterKind::level;
        const __m512 rest = _mm512_set1_ps(level ? 0.0f : 1.0f);
        __m512 kept = rest;
        for (int32_t i = 0; i < 32; i += 16) {
            const auto inRun = static_cast<__mmask16>(run >> i);
            __m512 q = _mm512_load_ps(row + i);
            q = level ? _mm512_abs_ps(q) : q;
            kept = level ? _mm512_mask_max_ps(kept, inRun, q, kept) : _mm512_mask_min_ps(kept, inRun, q, kept);
        }
        // The merge-masked forms throughout, as the plain ones trip the
        // compiler's uninitialized-value warning.
        constexpr __mmask16 kAll = 0xffff;
        __m512 other = _mm512_mask_shuffle_f32x4(kept, kAll, kept, kept, 0x4e);
        kept = level ? _mm512_mask_max_ps(kept, kAll, other, kept) : _mm512_mask_min_ps(kept, kAll, other, kept);
        other = _mm512_mask_shuffle_f32x4(kept, kAll, kept, kept, 0xb1);
        kept = level ? _mm512_mask_max_ps(kept, kAll, other, kept) : _mm512_mask_min_ps(kept, kAll, other, kept);
        return MeterFoldVectors<4>::meetLanes(level, _mm512_mask_extractf32x4_ps(_mm_setzero_ps(), 0xf, kept, 0));
    }
};

}  // namespace fendwick
