// The single-band compressor's frame loop: the silence gate, the detectors,
// the gain law and the output for one block of the host.
#pragma once

#include "envelope_detector.h"
#include "frame_lanes.h"

#include <cstdint>

namespace fendwick {

// What a block reads from the compressor's parameters.
struct AscarellBlockSettings {
    float inputParam;  // the input gain is twice this (0.5 is 0 dB)
    float outParam;    // the output gain is twice this
    float threshold;   // linear amplitude
    float gainBlend;
};

// What the compressor carries from block to block.
struct AscarellLoopState {
    EnvelopeDetector::Envelope envelopes[2];  // per channel; the mono build uses only the first
    int32_t silenceCount;
    int32_t processingActive;
};

// Processes frames of the inputs into the outputs (replacing, or adding to
// them when accumulating) with the detectors' coefficients, and moves the
// state on. Every choice of lanes gives the same bits; call only with lanes
// that canRunFrameLanes allows. Audio thread; no allocation, no lock, no
// system call.
template <int Channels, bool Accumulate>
void runAscarellFrames(FrameLanes lanes, const EnvelopeDetector::Coefficients (&coefficients)[2],
                       const AscarellBlockSettings& settings, AscarellLoopState& state, float* const* inputs,
                       float* const* outputs, int32_t frames);

}  // namespace fendwick
