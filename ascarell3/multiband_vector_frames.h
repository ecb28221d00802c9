// The three-band compressor's frame loop in SSE2 and in AVX-512VL; included
// only where the x86 vector paths are built.
#pragma once

#include "band_mix_lanes.h"
#include "crossover_lanes.h"
#include "envelope_lanes.h"
#include "frame_group_lanes.h"
#include "multiband_frame_loop.h"
#include "packed_band_envelopes.h"
#include "per_band_envelopes.h"
#include "silence_gate.h"

#include <xmmintrin.h>

namespace fendwick {

namespace multiband_vector_frames {

// The loop takes four frames (a group) at a time: the gate, the crossover
// frame by frame and the bands, then per band the envelopes frame by frame
// and the levels. After a block of BandBlock::kFrames it turns the levels into
// band gains and the mix, a vector's width of frames at a time. The
// crossover and the envelopes are the only serial work; the processor
// overlaps the rest with their chains. A frame's inputs are read before any
// output is written at or after it, so inputs and outputs may share their
// buffers.
constexpr int32_t kGroupFrames = frame_group::kFrames;
constexpr int32_t kBlockFrames = BandBlock::kFrames;
static_assert(kGroupFrames == EnvelopeLanes::kRunFrames && kGroupFrames == CrossoverLanes::kRunFrames,
              "the gate's groups are the crossover's and the envelopes' runs");

constexpr auto kHi = static_cast<int32_t>(MultibandBand::hi);
constexpr auto kMid = static_cast<int32_t>(MultibandBand::mid);
constexpr auto kLo = static_cast<int32_t>(MultibandBand::lo);

// A group's bands between the crossover and the envelopes.
struct GroupBands {
    __m128 bands[kMultibandBandCount][2];
    int32_t valid;
    int32_t slot;
    BandBlock* block;
};

// The gate, the crossover and the bands of the group of `valid` frames at
// inputs + j, into the block from frame `slot` on.
template <int Channels, class FlushCheck>
inline GroupBands splitGroup(float* const* inputs, int32_t j, int32_t valid, CrossoverLanes& crossover,
                             SilenceGate& gate, BandBlock& block, int32_t slot)
{
    const __m128 zero = _mm_setzero_ps();
    __m128 x[2];
    const uint32_t openFrames = frame_group::loadAndGate<Channels>(inputs, j, valid, gate, x);
    const __m128 open = frame_group::frameMask(openFrames);
    _mm_store_ps(reinterpret_cast<float*>(&block.open[slot]), open);

    __m128 laneInputs[kGroupFrames];
    __m128 split[kGroupFrames] = {zero, zero, zero, zero};
    CrossoverLanes::spreadInputs(x[0], x[1], laneInputs);
    crossover.run<FlushCheck>(laneInputs, split, openFrames, valid);
    // Frame by frame {lo L, lo R, low-pass L, low-pass R} into lanes by frame.
    _MM_TRANSPOSE4_PS(split[0], split[1], split[2], split[3]);

    GroupBands group = {{}, valid, slot, &block};
#pragma GCC unroll 2
    for (int c = 0; c < Channels; ++c) {
        const __m128 lo = split[c];
        const __m128 lowpass = split[2 + c];
        __m128 mid = _mm_sub_ps(lowpass, lo);
        __m128 hi = _mm_sub_ps(x[c], lowpass);
        flushToZeroInPlace<frame_group::Bits>(mid);
        flushToZeroInPlace<frame_group::Bits>(hi);
        // Muted frames feed the detectors 0.0.
        group.bands[kLo][c] = _mm_and_ps(lo, open);
        group.bands[kMid][c] = _mm_and_ps(mid, open);
        group.bands[kHi][c] = _mm_and_ps(hi, open);
    }
    for (int32_t b = 0; b < kMultibandBandCount; ++b) {
        for (int c = 0; c < Channels; ++c) {
            _mm_store_ps(&block.sample[b][c][slot], group.bands[b][c]);
        }
    }
    return group;
}

// The band gains and the mix of the block's `valid` frames, which start at
// outputs + j.
template <int Width, int Channels, bool Accumulate>
inline void finishBlock(float* const* outputs, int32_t j, int32_t valid,
                        const BandMixLaw (&laws)[kMultibandBandCount], float gainOut, const BandBlock& block)
{
    float* out[2] = {outputs[0] + j, Channels == 2 ? outputs[1] + j : nullptr};
    for (int32_t first = 0; first < valid; first += Width) {
        if (valid - first >= Width) {
            BandMixVectors<Width>::template apply<Channels, Accumulate>(block, laws, gainOut, out, first);
            continue;
        }
        // The part's end lies past the host's buffers: work on a copy.
        float spill[2][kBlockFrames + Width] = {};  // a whole vector from any frame of the block
        float* spilled[2] = {spill[0], spill[1]};
        for (int c = 0; c < Channels; ++c) {
            for (int32_t k = first; k < valid; ++k) {
                spill[c][k] = out[c][k];
            }
        }
        BandMixVectors<Width>::template apply<Channels, Accumulate>(block, laws, gainOut, spilled, first);
        for (int c = 0; c < Channels; ++c) {
            for (int32_t k = first; k < valid; ++k) {
                out[c][k] = spill[c][k];
            }
        }
    }
}

// State of the loop:
//   crossover  the sections' history, see CrossoverLanes
//   envelopes  the detector envelopes (linear amplitude), see PerBandEnvelopes
//              and PackedBandEnvelopes
//   gate       near-silent frames in a row and whether frames are processed
//   block      the frames between their levels and their output
template <int Width, int Channels, bool Accumulate, class FlushCheck, class Envelopes>
inline void processFrames(const MultibandBlockSettings& settings, ThreeBandCrossover& sections,
                          MultibandLoopState& state, float* const* inputs, float* const* outputs, int32_t frames)
{
    if (frames <= 0) {
        return;
    }
    const BandMixLaw laws[kMultibandBandCount] = {bandMixLaw(settings, 0), bandMixLaw(settings, 1),
                                                  bandMixLaw(settings, 2)};
    const float gainOut = settings.outParam + settings.outParam;
    Envelopes envelopes(settings, state);
    CrossoverLanes crossover(sections);
    SilenceGate gate(state.silenceCount, state.processingActive);
    // Two blocks in turn: a block is mixed once the next one is detected, so
    // that the mix's wide loads find the detection's narrow stores written
    // through rather than wait for them.
    BandBlock blocks[2] = {};

    // A group's envelopes follow once the next group is split, so that the
    // crossover's chain and the envelopes' chain run side by side.
    int32_t valid = 0;
    int32_t current = 0;
    GroupBands pending = {};
    for (int32_t j = 0; j < frames; j += kBlockFrames) {
        valid = frames - j < kBlockFrames ? frames - j : kBlockFrames;
        for (int32_t slot = 0; slot < valid; slot += kGroupFrames) {
            const int32_t groupFrames = valid - slot < kGroupFrames ? valid - slot : kGroupFrames;
            const GroupBands next = splitGroup<Channels, FlushCheck>(inputs, j + slot, groupFrames, crossover, gate,
                                                                     blocks[current], slot);
            if (j + slot > 0) {
                envelopes.follow(pending.bands, pending.valid, *pending.block, pending.slot);
            }
            pending = next;
        }
        if (j > 0) {
            finishBlock<Width, Channels, Accumulate>(outputs, j - kBlockFrames, kBlockFrames, laws, gainOut,
                                                     blocks[current ^ 1]);
        }
        current ^= 1;
    }
    envelopes.follow(pending.bands, pending.valid, *pending.block, pending.slot);
    const BandBlock& block = blocks[current ^ 1];
    finishBlock<Width, Channels, Accumulate>(outputs, frames - valid, valid, laws, gainOut, block);

    envelopes.store(state, block, valid - 1);
    crossover.store(sections);
    state.silenceCount = gate.silenceCount();
    state.processingActive = gate.processingActive();
}

}  // namespace multiband_vector_frames

// flatten puts every helper inline, so that the AVX-512 loop is compiled
// for AVX-512 throughout.
template <int Channels, bool Accumulate>
__attribute__((flatten)) void runSse2MultibandFrames(const MultibandBlockSettings& settings,
                                                     ThreeBandCrossover& crossover, MultibandLoopState& state,
                                                     float* const* inputs, float* const* outputs, int32_t frames)
{
    multiband_vector_frames::processFrames<4, Channels, Accumulate, BitwiseFlushCheck,
                                            PerBandEnvelopes<Channels, BitwiseSelectStep>>(
        settings, crossover, state, inputs, outputs, frames);
}

template <int Channels, bool Accumulate>
__attribute__((target("avx512f,avx512vl"), flatten)) void runAvx512MultibandFrames(
    const MultibandBlockSettings& settings, ThreeBandCrossover& crossover, MultibandLoopState& state,
    float* const* inputs, float* const* outputs, int32_t frames)
{
    multiband_vector_frames::processFrames<16, Channels, Accumulate, RotatedFlushCheck,
                                            PackedBandEnvelopes<Channels>>(
        settings, crossover, state, inputs, outputs, frames);
}

}  // namespace fendwick
