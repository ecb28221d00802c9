// The three-band compressor's frame loop one frame at a time, in standard
// C++ alone: the path that every compiler and processor builds.
#pragma once

#include "gain_law.h"
#include "multiband_frame_loop.h"
#include "sample_guards.h"
#include "silence_gate.h"

#include <cstdint>

namespace fendwick {

// State of the loop:
//   envelopes  the detector envelopes (linear amplitude), per band and channel
//   gate       near-silent frames in a row and whether frames are processed
//   crossover  the sections' last inputs and outputs, kept while muted
//   weighted   each band's output times its input gain, per channel
template <int Channels, bool Accumulate>
void runScalarMultibandFrames(const MultibandBlockSettings& settings, ThreeBandCrossover& crossover,
                              MultibandLoopState& state, float* const* inputs, float* const* outputs,
                              int32_t frames)
{
    using BandGain = GainOutput<float, int32_t, uint32_t>;
    constexpr auto kHi = static_cast<int32_t>(MultibandBand::hi);
    constexpr auto kMid = static_cast<int32_t>(MultibandBand::mid);
    constexpr auto kLo = static_cast<int32_t>(MultibandBand::lo);

    EnvelopeDetector::Envelope envelopes[kMultibandBandCount][2];
    for (int32_t b = 0; b < kMultibandBandCount; ++b) {
        for (int c = 0; c < Channels; ++c) {
            envelopes[b][c] = state.envelopes[b][c];
        }
    }
    const float gainOut = settings.outParam + settings.outParam;
    SilenceGate gate(state.silenceCount, state.processingActive);

    for (int32_t i = 0; i < frames; ++i) {
        float x[ThreeBandCrossover::kMaxChannels] = {};
        bool quiet = true;
        for (int c = 0; c < Channels; ++c) {
            x[c] = usableInput(inputs[c][i]);
            quiet = quiet && SilenceGate::nearSilent<uint32_t>(x[c]);
        }
        if (!gate.step(quiet)) {
            // Muted frames let the detectors decay and leave the crossover as it was.
            for (int32_t b = 0; b < kMultibandBandCount; ++b) {
                for (int c = 0; c < Channels; ++c) {
                    EnvelopeDetector::step(settings.detectors[b][c], envelopes[b][c], 0.0f);
                }
            }
            for (int c = 0; c < Channels; ++c) {
                outputs[c][i] = Accumulate ? outputs[c][i] : 0.0f;
            }
            continue;
        }

        CrossoverBands split[ThreeBandCrossover::kMaxChannels];
        crossover.split(x, split);
        float weighted[kMultibandBandCount][2] = {};
        for (int32_t b = 0; b < kMultibandBandCount; ++b) {
            const BandSettings& s = settings.bands[b];
            float sample[2] = {};
            float level[2] = {};
            for (int c = 0; c < Channels; ++c) {
                sample[c] = b == kLo ? split[c].lo : b == kMid ? split[c].mid : split[c].hi;
                // Stepped with Comp off too, so that switching it on finds the envelope where it is.
                level[c] = EnvelopeDetector::step(settings.detectors[b][c], envelopes[b][c], sample[c]);
            }
            float gain = 1.0f;
            BandGain::linkedGain<Channels>(s.threshold, s.slope, level, gain);
            for (int c = 0; c < Channels; ++c) {
                const float out = s.compression > 0.5f ? flushToZero(gain * sample[c]) : sample[c];
                weighted[b][c] = (s.power > 0.5f ? out : 0.0f) * s.inputGain;
            }
        }
        for (int c = 0; c < Channels; ++c) {
            const float y = flushToZero(weighted[kLo][c] + weighted[kHi][c] + weighted[kMid][c]) * gainOut;
            outputs[c][i] = Accumulate ? outputs[c][i] + y : y;
        }
    }

    for (int32_t b = 0; b < kMultibandBandCount; ++b) {
        for (int c = 0; c < Channels; ++c) {
            state.envelopes[b][c] = envelopes[b][c];
        }
    }
    state.silenceCount = gate.silenceCount();
    state.processingActive = gate.processingActive();
}

}  // namespace fendwick
