// The single-band compressor's frame loop in SSE2 and in AVX-512VL; included
// only where the x86 vector paths are built.
#pragma once

#include "ascarell_frame_loop.h"
#include "envelope_lanes.h"
#include "frame_group_lanes.h"
#include "gain_lanes.h"
#include "masked_add_step.h"
#include "silence_gate.h"

namespace fendwick {

namespace vector_frames {

// The loop takes four frames (a group) at a time: the gate and the input
// gain, then the envelopes frame by frame (the recurrence, the only serial
// work) and the levels. Two blocks of GainBlock::kFrames later it turns the
// levels into gains and output, a vector's width of frames at a time, just
// before the group that takes their place in the ring of blocks. All of it
// in one loop, so that the processor overlaps the independent work with the
// recurrence's chain; the delay keeps the long gain computation from
// waiting on the chain. A frame's inputs are read before any output is
// written at or after it, so inputs and outputs may share their buffers.
constexpr int32_t kGroupFrames = EnvelopeLanes::kRunFrames;
static_assert(kGroupFrames == frame_group::kFrames, "the gate's groups are the envelopes' runs");
constexpr int32_t kBlockFrames = GainBlock::kFrames;
constexpr int32_t kDelayBlocks = 2;

// The gate, the input gain, the envelopes and the detected levels of the
// group of `valid` frames at inputs + j, into the block from frame `slot` on.
template <int Channels, class FlushFreeStep>
inline void startGroup(float* const* inputs, int32_t j, int32_t valid, __m128 gainIn, const EnvelopeLanes& lanes,
                       __m128& env, SilenceGate& gate, GainBlock& block, int32_t slot)
{
    const __m128 absMask = _mm_castsi128_ps(_mm_set1_epi32(0x7fffffff));
    const __m128 zero = _mm_setzero_ps();
    __m128 x[2];
    const __m128 open = frame_group::frameMask(frame_group::loadAndGate<Channels>(inputs, j, valid, gate, x));
    _mm_store_ps(reinterpret_cast<float*>(&block.open[slot]), open);
    __m128 magnitude[2] = {zero, zero};
#pragma GCC unroll 2
    for (int c = 0; c < Channels; ++c) {
        const __m128 feed = _mm_and_ps(_mm_mul_ps(x[c], gainIn), open);
        _mm_store_ps(&block.feed[c][slot], feed);
        magnitude[c] = _mm_and_ps(feed, absMask);
    }
    __m128 left;
    __m128 right;
    env = lanes.followLevels<FlushFreeStep>(env, magnitude[0], magnitude[1], valid, left, right);
    _mm_store_ps(&block.level[0][slot], left);
    _mm_store_ps(&block.level[1][slot], right);
}

// The gain law and the output of the Width frames of the block from frame
// `slot` on, of which `valid` exist; the block starts at outputs + j.
template <int Width, int Channels, bool Accumulate>
inline void finishPart(float* const* outputs, int32_t j, int32_t valid, const GainLaw& law,
                       const GainBlock& block, int32_t slot)
{
    float* out[2] = {outputs[0] + j, Channels == 2 ? outputs[1] + j : nullptr};
    if (valid == Width) {
        GainVectors<Width>::template apply<Channels, Accumulate>(block, law, out, slot);
        return;
    }
    // The part's end lies past the host's buffers: work on a copy.
    float spill[2][kBlockFrames] = {};
    float* spilled[2] = {spill[0], spill[1]};
    for (int c = 0; c < Channels; ++c) {
        for (int32_t k = slot; k < slot + valid; ++k) {
            spill[c][k] = out[c][k];
        }
    }
    GainVectors<Width>::template apply<Channels, Accumulate>(block, law, spilled, slot);
    for (int c = 0; c < Channels; ++c) {
        for (int32_t k = slot; k < slot + valid; ++k) {
            out[c][k] = spill[c][k];
        }
    }
}

// State of the loop:
//   env       the detector envelopes (linear amplitude), see EnvelopeLanes
//   gate      near-silent frames in a row and whether frames are processed
//   pending   the blocks between their levels and their output
template <int Width, int Channels, bool Accumulate, class FlushFreeStep>
inline void processFrames(const EnvelopeLanes& lanes, float kneeBlend, const AscarellBlockSettings& settings,
                          AscarellLoopState& state, float* const* inputs, float* const* outputs, int32_t frames)
{
    const __m128 gainIn = _mm_set1_ps(settings.inputParam + settings.inputParam);
    // Both detectors of a plug-in always share their knee.
    const GainLaw law{settings.threshold, settings.gainBlend, kneeBlend, settings.outParam + settings.outParam};
    // The mono build keeps its right lanes at zero and leaves envelopes[1] alone.
    EnvelopeDetector::Envelope unusedRight;
    EnvelopeDetector::Envelope& right = Channels == 2 ? state.envelopes[1] : unusedRight;
    __m128 env = EnvelopeLanes::load(state.envelopes[0], right);
    SilenceGate gate(state.silenceCount, state.processingActive);
    GainBlock pending[kDelayBlocks] = {};
    const int32_t blocks = (frames + kBlockFrames - 1) / kBlockFrames;

    for (int32_t b = 0; b < blocks + kDelayBlocks; ++b) {
        GainBlock& block = pending[b % kDelayBlocks];
        for (int32_t slot = 0; slot < kBlockFrames; slot += kGroupFrames) {
            // Finish first: the group started now takes the finished frames' place.
            const int32_t finishing = (b - kDelayBlocks) * kBlockFrames;
            if (b >= kDelayBlocks && slot % Width == 0 && finishing + slot < frames) {
                const int32_t valid = frames - finishing - slot < Width ? frames - finishing - slot : Width;
                finishPart<Width, Channels, Accumulate>(outputs, finishing, valid, law, block, slot);
            }
            const int32_t j = b * kBlockFrames + slot;
            if (b < blocks && j < frames) {
                const int32_t valid = frames - j < kGroupFrames ? frames - j : kGroupFrames;
                startGroup<Channels, FlushFreeStep>(inputs, j, valid, gainIn, lanes, env, gate, block, slot);
            }
        }
    }

    float last[2] = {state.envelopes[0].lastInput, right.lastInput};
    if (frames > 0) {
        const GainBlock& lastBlock = pending[(blocks - 1) % kDelayBlocks];
        const int32_t slot = frames - 1 - (blocks - 1) * kBlockFrames;
        for (int c = 0; c < Channels; ++c) {
            last[c] = lastBlock.feed[c][slot];
        }
    }
    EnvelopeLanes::store(env, state.envelopes[0], right, last[0], last[1]);
    state.silenceCount = gate.silenceCount();
    state.processingActive = gate.processingActive();
}

}  // namespace vector_frames

// flatten puts every helper inline, so that the AVX-512 loop is compiled
// for AVX-512 throughout.
template <int Channels, bool Accumulate>
__attribute__((flatten)) void runSse2AscarellFrames(const EnvelopeDetector::Coefficients (&coefficients)[2],
                                                    const AscarellBlockSettings& settings, AscarellLoopState& state,
                                                    float* const* inputs, float* const* outputs, int32_t frames)
{
    const EnvelopeLanes lanes(coefficients[0], coefficients[Channels - 1], Channels == 2);
    vector_frames::processFrames<4, Channels, Accumulate, BitwiseSelectStep>(lanes, coefficients[0].knee, settings,
                                                                             state, inputs, outputs, frames);
}

template <int Channels, bool Accumulate>
__attribute__((target("avx512f,avx512vl"), flatten)) void runAvx512AscarellFrames(
    const EnvelopeDetector::Coefficients (&coefficients)[2], const AscarellBlockSettings& settings,
    AscarellLoopState& state, float* const* inputs, float* const* outputs, int32_t frames)
{
    const EnvelopeLanes lanes(coefficients[0], coefficients[Channels - 1], Channels == 2);
    vector_frames::processFrames<16, Channels, Accumulate, MaskedAddStep>(lanes, coefficients[0].knee, settings,
                                                                          state, inputs, outputs, frames);
}

}  // namespace fendwick
