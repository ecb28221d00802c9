// The three-band compressor's frame loop in SSE2 and in AVX-512VL; included
// only where the x86 vector paths are built.
#pragma once

#include "band_mix_lanes.h"
#include "crossover_lanes.h"
#include "envelope_lanes.h"
#include "frame_group_lanes.h"
#include "masked_add_step.h"
#include "multiband_frame_loop.h"
#include "silence_gate.h"

#include <xmmintrin.h>

namespace fendwick {

namespace multiband_vector_frames {

// The loop takes four frames (a group) at a time: the gate, the crossover
// frame by frame, the bands, then per band the envelopes frame by frame and
// the levels. After a block of BandBlock::kFrames it turns the levels into
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

// x < 0 ? -x : x, as the detector takes it, lane by lane.
inline __m128 magnitudeOf(__m128 x)
{
    const __m128 sign = _mm_set1_ps(-0.0f);
    return _mm_xor_ps(x, _mm_and_ps(_mm_cmplt_ps(x, _mm_setzero_ps()), sign));
}

// The gate, the crossover, the bands and their levels of the group of
// `valid` frames at inputs + j, into the block from frame `slot` on.
template <int Channels, class FlushFreeStep>
inline void startGroup(float* const* inputs, int32_t j, int32_t valid, CrossoverLanes& crossover,
                       const EnvelopeLanes (&lanes)[kMultibandBandCount], __m128 (&env)[kMultibandBandCount],
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
    crossover.run(laneInputs, split, openFrames, valid);
    // Frame by frame {lo L, lo R, low-pass L, low-pass R} into lanes by frame.
    _MM_TRANSPOSE4_PS(split[0], split[1], split[2], split[3]);

    __m128 bands[kMultibandBandCount][2] = {};
#pragma GCC unroll 2
    for (int c = 0; c < Channels; ++c) {
        const __m128 lo = split[c];
        const __m128 lowpass = split[2 + c];
        __m128 mid = _mm_sub_ps(lowpass, lo);
        __m128 hi = _mm_sub_ps(x[c], lowpass);
        flushToZeroInPlace<frame_group::Bits>(mid);
        flushToZeroInPlace<frame_group::Bits>(hi);
        // Muted frames feed the detectors 0.0.
        bands[kLo][c] = _mm_and_ps(lo, open);
        bands[kMid][c] = _mm_and_ps(mid, open);
        bands[kHi][c] = _mm_and_ps(hi, open);
    }
    for (int32_t b = 0; b < kMultibandBandCount; ++b) {
        __m128 magnitude[2] = {zero, zero};
        for (int c = 0; c < Channels; ++c) {
            _mm_store_ps(&block.sample[b][c][slot], bands[b][c]);
            magnitude[c] = magnitudeOf(bands[b][c]);
        }
        __m128 left;
        __m128 right;
        env[b] = lanes[b].followLevels<FlushFreeStep>(env[b], magnitude[0], magnitude[1], valid, left, right);
        _mm_store_ps(&block.level[b][0][slot], left);
        _mm_store_ps(&block.level[b][1][slot], right);
    }
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
        float spill[2][kBlockFrames] = {};
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
//   env        the detector envelopes per band (linear amplitude), see EnvelopeLanes
//   gate       near-silent frames in a row and whether frames are processed
//   block      the frames between their levels and their output
template <int Width, int Channels, bool Accumulate, class FlushFreeStep>
inline void processFrames(const MultibandBlockSettings& settings, ThreeBandCrossover& sections,
                          MultibandLoopState& state, float* const* inputs, float* const* outputs, int32_t frames)
{
    if (frames <= 0) {
        return;
    }
    const auto lanesOf = [&settings](int32_t b) {
        return EnvelopeLanes(settings.detectors[b][0], settings.detectors[b][Channels - 1], Channels == 2);
    };
    const EnvelopeLanes lanes[kMultibandBandCount] = {lanesOf(0), lanesOf(1), lanesOf(2)};
    const BandMixLaw laws[kMultibandBandCount] = {bandMixLaw(settings, 0), bandMixLaw(settings, 1),
                                                  bandMixLaw(settings, 2)};
    const float gainOut = settings.outParam + settings.outParam;
    // The mono build keeps its right lanes at zero and leaves the right envelopes alone.
    EnvelopeDetector::Envelope unusedRight[kMultibandBandCount];
    const auto right = [&](int32_t b) -> EnvelopeDetector::Envelope& {
        return Channels == 2 ? state.envelopes[b][1] : unusedRight[b];
    };
    __m128 env[kMultibandBandCount];
    for (int32_t b = 0; b < kMultibandBandCount; ++b) {
        env[b] = EnvelopeLanes::load(state.envelopes[b][0], right(b));
    }
    CrossoverLanes crossover(sections);
    SilenceGate gate(state.silenceCount, state.processingActive);
    BandBlock block = {};

    int32_t valid = 0;
    for (int32_t j = 0; j < frames; j += kBlockFrames) {
        valid = frames - j < kBlockFrames ? frames - j : kBlockFrames;
        for (int32_t slot = 0; slot < valid; slot += kGroupFrames) {
            const int32_t groupFrames = valid - slot < kGroupFrames ? valid - slot : kGroupFrames;
            startGroup<Channels, FlushFreeStep>(inputs, j + slot, groupFrames, crossover, lanes, env, gate, block,
                                                slot);
        }
        finishBlock<Width, Channels, Accumulate>(outputs, j, valid, laws, gainOut, block);
    }

    for (int32_t b = 0; b < kMultibandBandCount; ++b) {
        const float lastRight = Channels == 2 ? block.sample[b][1][valid - 1] : right(b).lastInput;
        EnvelopeLanes::store(env[b], state.envelopes[b][0], right(b), block.sample[b][0][valid - 1], lastRight);
    }
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
    multiband_vector_frames::processFrames<4, Channels, Accumulate, BitwiseSelectStep>(settings, crossover, state,
                                                                                       inputs, outputs, frames);
}

template <int Channels, bool Accumulate>
__attribute__((target("avx512f,avx512vl"), flatten)) void runAvx512MultibandFrames(
    const MultibandBlockSettings& settings, ThreeBandCrossover& crossover, MultibandLoopState& state,
    float* const* inputs, float* const* outputs, int32_t frames)
{
    multiband_vector_frames::processFrames<16, Channels, Accumulate, MaskedAddStep>(settings, crossover, state,
                                                                                    inputs, outputs, frames);
}

}  // namespace fendwick
