// The input side of a vector frame loop in SSE2: four frames of a channel at
// a time, their near-silent frames for the gate, and the gate's answer as a
// lane mask. Included only where the x86 vector paths are built.
#pragma once

#include "lane_types.h"
#include "silence_gate.h"

#include <emmintrin.h>

#include <cstdint>

namespace fendwick {

namespace frame_group {

constexpr int32_t kFrames = 4;

using Bits = LaneTypes<kFrames>::Bits;

// Loads `valid` frames (1 to 4) of one channel, zeros past them.
inline __m128 loadFrames(const float* x, int32_t valid)
{
    if (valid == kFrames) {
        return _mm_loadu_ps(x);
    }
    alignas(16) float part[kFrames] = {};
    for (int32_t k = 0; k < valid; ++k) {
        part[k] = x[k];
    }
    return _mm_load_ps(part);
}

// The near-silent frames of a group, one bit per frame.
inline uint32_t quietFrames(__m128 x)
{
    return static_cast<uint32_t>(_mm_movemask_ps(reinterpret_cast<__m128>(SilenceGate::nearSilent<Bits>(x))));
}

// All bits set in the lanes whose frame bit is set.
inline __m128 frameMask(uint32_t frames)
{
    const __m128i bit = _mm_setr_epi32(1, 2, 4, 8);
    const __m128i set = _mm_and_si128(_mm_set1_epi32(static_cast<int32_t>(frames)), bit);
    return _mm_castsi128_ps(_mm_cmpeq_epi32(set, bit));
}

// Loads the group of `valid` frames (1 to 4) at inputs[c] + j of every
// channel into x[c] as the input guard leaves them, zeros past them and in
// the channels past Channels, runs the gate over them and answers the
// frames it lets through, as bits.
template <int Channels>
inline uint32_t loadAndGate(float* const* inputs, int32_t j, int32_t valid, SilenceGate& gate, __m128 (&x)[2])
{
    x[0] = x[1] = _mm_setzero_ps();
    uint32_t quiet = 0xf;
#pragma GCC unroll 2
    for (int c = 0; c < Channels; ++c) {
        x[c] = loadFrames(inputs[c] + j, valid);
        usableInputInPlace<Bits>(x[c]);
        quiet &= quietFrames(x[c]);
    }
    return gate.run(quiet, valid);
}

}  // namespace frame_group

}  // namespace fendwick
