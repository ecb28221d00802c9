// The single-band compressor's frame loop one frame at a time, in standard
// C++ alone: the path that every compiler and processor builds.
#pragma once

#include "ascarell_frame_loop.h"
#include "gain_law.h"
#include "sample_guards.h"
#include "silence_gate.h"

#include <cstdint>

namespace fendwick {

// State of the loop:
//   envelopes  the detector envelopes (linear amplitude), per channel
//   gate       near-silent frames in a row and whether frames are processed
template <int Channels, bool Accumulate>
void runScalarAscarellFrames(const EnvelopeDetector::Coefficients (&coefficients)[2],
                             const AscarellBlockSettings& settings, AscarellLoopState& state, float* const* inputs,
                             float* const* outputs, int32_t frames)
{
    const float gainIn = settings.inputParam + settings.inputParam;
    const GainLaw law{settings.threshold, settings.gainBlend, coefficients[0].knee,
                      settings.outParam + settings.outParam};
    EnvelopeDetector::Envelope envelopes[Channels];
    for (int c = 0; c < Channels; ++c) {
        envelopes[c] = state.envelopes[c];
    }
    SilenceGate gate(state.silenceCount, state.processingActive);

    for (int32_t i = 0; i < frames; ++i) {
        float x[2] = {};
        bool quiet = true;
        for (int c = 0; c < Channels; ++c) {
            x[c] = usableInput(inputs[c][i]);
            quiet = quiet && SilenceGate::nearSilent<uint32_t>(x[c]);
        }
        // Muted frames feed the detectors 0.0, so that they decay in silence.
        const int32_t open = gate.step(quiet) ? 1 : 0;
        float level[2] = {};
        float feed[2] = {};
        float out[2] = {};
        for (int c = 0; c < Channels; ++c) {
            feed[c] = open != 0 ? x[c] * gainIn : 0.0f;
            level[c] = EnvelopeDetector::step(coefficients[c], envelopes[c], feed[c]);
            out[c] = Accumulate ? outputs[c][i] : 0.0f;
        }
        GainOutput<float, int32_t, uint32_t>::apply<Channels, Accumulate>(law, level, feed, open, out);
        for (int c = 0; c < Channels; ++c) {
            outputs[c][i] = out[c];
        }
    }

    for (int c = 0; c < Channels; ++c) {
        state.envelopes[c] = envelopes[c];
    }
    state.silenceCount = gate.silenceCount();
    state.processingActive = gate.processingActive();
}

}  // namespace fendwick
