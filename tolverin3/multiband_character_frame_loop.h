// The three-band character compressor's frame loop for one block of the
// host, on the lanes chosen at run time.
#pragma once

#include "character_frame_loop.h"
#include "frame_lanes.h"
#include "multiband_character_scalar_frames.h"

#include <cstdint>

namespace fendwick {

// Processes frames of the mono input into the output (replacing, or adding
// to it when accumulating) as runScalarMultibandCharacterFrames does, with
// the settings of the low cut, the SonicFilter and the output stage read
// once as the block starts. Every choice of lanes gives the same samples,
// the same publications in the same order and the same state; call only
// with lanes that canRunFrameLanes allows. Audio thread; no allocation, no
// lock, no system call.
template <bool Accumulate>
void runMultibandCharacterFrames(FrameLanes lanes, const MultibandCharacterBlockSettings& settings,
                                 MultibandCharacterState& state, MeterPublisher& publish, const float* input,
                                 float* output, int32_t frames);

}  // namespace fendwick
