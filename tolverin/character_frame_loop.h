// The character compressor's frame loop for one block of the host, on the
// lanes chosen at run time.
#pragma once

#include "character_block_settings.h"
#include "character_channel.h"
#include "character_meters.h"
#include "frame_lanes.h"

#include <cstdint>

namespace fendwick {

// Where a frame loop hands each due meter reading: publish(index, value).
struct MeterPublisher {
    void (*publishTo)(void* owner, int32_t index, float value);
    void* owner;

    void operator()(int32_t index, float value) const { publishTo(owner, index, value); }
};

// Processes frames of the inputs into the outputs (replacing, or adding to
// them when accumulating) with the coefficients the channels hold as the
// block starts, moves the channels' histories, the gate and the meters on
// and publishes every due meter reading. Only histories are written back to
// the channels, never a coefficient, which a setter on another thread may
// change meanwhile. Every choice of lanes gives the same bits and the same
// publications; call only with lanes that canRunFrameLanes allows. Audio
// thread; no allocation, no lock, no system call.
template <int Channels, bool Accumulate>
void runCharacterFrames(FrameLanes lanes, const CharacterBlockSettings& settings, CharacterChannel* channels,
                        CharacterMeters& meters, CharacterGateState& gate, MeterPublisher& publish,
                        float* const* inputs, float* const* outputs, int32_t frames);

}  // namespace fendwick
