// What one block of the character compressor's processing reads from its
// parameters, and what its silence gate carries from block to block.
#pragma once

#include "character_curve.h"
#include "stereo_enhancer.h"

#include <cstdint>

namespace fendwick {

// Taken from the parameter fields once per block, so that a setter running
// on another thread meanwhile changes the next block, never half of this one.
struct CharacterBlockSettings {
    float threshold;          // T, linear amplitude
    float slope;              // k: the output level T + k (m - T) above T; 1 no compression
    bool linked;              // one compressor gain and one limiter gain for both channels
    bool loCut;               // the 75 Hz low cut filters
    bool enhancer;            // the stereo enhancer runs (stereo build only)
    bool softened;            // the Reduction curve softens the compressor gain
    bool limiter;             // the peak limiter and the ceiling run
    CharacterCurve curve;     // the character stage's curve
    StereoEnhancer stereoEnhancer;
    float outputGain;         // linear, twice OutLevel
    float ceiling;            // linear factor after the limiter
    int32_t meterInterval;    // frames each meter gathers before it publishes
};

// The silence gate's count of near-silent frames and whether frames are processed.
struct CharacterGateState {
    int32_t silenceCount;
    int32_t processingActive;
};

}  // namespace fendwick
