// The three-band character compressor's parameters as set, turned at once
// into the band settings and the settings of the chain's blocks.
#pragma once

#include "character_band_settings.h"
#include "crossover_handoff.h"
#include "crossover_split_points.h"
#include "multiband_character_state.h"
#include "tolverin3_parameters.h"

#include <cstdint>

namespace fendwick {

// Holds every parameter's value as the host reads it back, the coupled
// crossover points and the band settings the processing copies once per
// block; apply reaches the blocks of the chain (detectors, SonicFilter,
// output stage, low cut) in the state it is handed, and hands the crossover
// points to the audio thread, which sets the crossover from them with
// deliverCrossover at the start of a block. Every
// parameter changes its own setting only: ParamLink is kept, not acted on.
// Runs on the host's or the editor's thread. Made with every value 0.
class MultibandCharacterParameters {
public:
    // Parameter index set to the normalized x. Indexes out of range are the caller's to refuse.
    void apply(int32_t index, float x, MultibandCharacterState& state);

    // The crossover points as coupled, the switches as 0.0 or 1.0, everything else as last set.
    float value(int32_t index) const;

    // Audio thread: the crossover of `state` at the newest points set.
    void deliverCrossover(MultibandCharacterState& state) { splitHandoff.deliverTo(state.crossover); }

    // Band b's settings (Hi, Mid, Lo).
    const CharacterBandSettings& band(int32_t b) const { return bands[b]; }

private:
    void applyBand(int32_t band, int32_t offset, float x, MultibandCharacterState& state);

    CrossoverSplitPoints splitPoints;  // as the setters coupled them
    CrossoverHandoff splitHandoff;     // the same, for the audio thread
    CharacterBandSettings bands[kMultibandBandCount];  // Hi, Mid, Lo
    float values[Tolverin3Param::count] = {};
};

}  // namespace fendwick
