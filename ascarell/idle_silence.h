// Silence on an idle track, passed whole: the Ascarell loops' muted frames
// feed the detectors 0.0, which keeps envelopes that have decayed to nothing
// at nothing, and leave every other history alone.
#pragma once

#include "envelope_detector.h"
#include "silence_gate.h"

#include <cstdint>
#include <cstring>

namespace fendwick {

// Whether a detector has decayed to nothing: a muted frame leaves it as it is.
inline bool atRest(const EnvelopeDetector::Envelope& e)
{
    const EnvelopeDetector::Envelope rest{};
    return std::memcmp(&e, &rest, sizeof rest) == 0;
}

// Whether frames of near-silent inputs while the gate is idle, with the
// detectors of every channel in rows (one row per band, one detector per
// channel) at rest, change nothing but the gate's count and the outputs;
// then passes them so: the outputs silent (left alone when accumulating).
template <int Channels, bool Accumulate>
inline bool passedIdleSilence(const EnvelopeDetector::Envelope (*detectors)[2], int32_t rows,
                              int32_t& silenceCount, int32_t processingActive, float* const* inputs,
                              float* const* outputs, int32_t frames)
{
    if (frames <= 0 || processingActive != 0) {
        return false;
    }
    for (int32_t r = 0; r < rows; ++r) {
        for (int c = 0; c < Channels; ++c) {
            if (!atRest(detectors[r][c])) {
                return false;
            }
        }
    }
    if (!SilenceGate::allNearSilent(inputs, Channels, frames)) {
        return false;
    }
    SilenceGate::silenceOutputs<Accumulate>(outputs, Channels, 0, frames);
    silenceCount = SilenceGate::countAfterIdle(silenceCount, frames);
    return true;
}

}  // namespace fendwick
