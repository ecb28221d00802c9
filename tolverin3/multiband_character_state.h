// Everything the three-band character compressor carries from frame to
// frame: its blocks in the order the chain runs them, the gate and the meters.
#pragma once

#include "ascarell3_parameters.h"
#include "level_detector.h"
#include "multiband_character_meters.h"
#include "output_stage.h"
#include "sonic_filter.h"
#include "switched_lo_cut.h"
#include "three_band_crossover.h"

#include <cstdint>

namespace fendwick {

// One struct, so that a faster frame loop can be run on a copy and compared
// with the scalar one state for state. The blocks keep their settings and
// coefficients beside their histories: the setters reach them on the host's
// or the editor's thread, the frame loop on the audio thread. reset clears
// every history, the gate and the meters and keeps settings and coefficients.
struct MultibandCharacterState {
    void setSampleRate(float rateHz)
    {
        loCut.setSampleRate(rateHz);
        crossover.setSampleRate(rateHz);
        for (LevelDetector& d : detectors) {
            d.setSampleRate(rateHz);
        }
        sonicFilter.setSampleRate(rateHz);
        output.setSampleRate(rateHz);
    }

    void reset()
    {
        loCut.reset();
        crossover.reset();
        for (LevelDetector& d : detectors) {
            d.reset();
        }
        sonicFilter.reset();
        output.reset();
        meters.reset();
        silenceCount = 0;
        processingActive = 0;
    }

    SwitchedLoCut loCut;
    ThreeBandCrossover crossover{1};
    LevelDetector detectors[kMultibandBandCount];  // Hi, Mid, Lo
    SonicFilter sonicFilter;
    OutputStage output;
    MultibandCharacterMeters meters;
    int32_t silenceCount = 0;      // near-silent frames in a row
    int32_t processingActive = 0;  // 1 while frames are processed
};

}  // namespace fendwick
