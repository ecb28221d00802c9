// The three-band compressor's frame loop: the silence gate, the crossover,
// the detectors, the band gains and the mix for one block of the host.
#pragma once

#include "ascarell3_parameters.h"
#include "band_settings.h"
#include "envelope_detector.h"
#include "frame_lanes.h"
#include "three_band_crossover.h"

#include <cstdint>

namespace fendwick {

// What a block reads from the compressor's parameters, per band in the
// order Hi, Mid, Lo.
struct MultibandBlockSettings {
    BandSettings bands[kMultibandBandCount];
    EnvelopeDetector::Coefficients detectors[kMultibandBandCount][2];  // left (or mono), right
    float outParam;                                                     // the output gain is twice it
};

// What the compressor carries from block to block besides the crossover.
struct MultibandLoopState {
    EnvelopeDetector::Envelope envelopes[kMultibandBandCount][2];  // the mono build uses only the first
    int32_t silenceCount;
    int32_t processingActive;
};

// Processes frames of the inputs into the outputs (replacing, or adding to
// them when accumulating) and moves the crossover's history and the state
// on; the crossover's coefficients are read once. Every choice of lanes
// gives the same bits; call only with lanes that canRunFrameLanes allows.
// Audio thread; no allocation, no lock, no system call.
template <int Channels, bool Accumulate>
void runMultibandFrames(FrameLanes lanes, const MultibandBlockSettings& settings, ThreeBandCrossover& crossover,
                        MultibandLoopState& state, float* const* inputs, float* const* outputs, int32_t frames);

}  // namespace fendwick
