// The character compressor's processing routines, replacing and
// accumulating, stereo and mono: the settings in, the frame loop, the gate out.
#include "character_compressor.h"

#include "channel_dispatch.h"
#include "character_frame_loop.h"

namespace fendwick {

void CharacterCompressor::processReplace(float** inputs, float** outputs, int32_t sampleFrames)
{
    withChannelCount(isStereo(), inputs, outputs, [&](auto channels) {
        process<decltype(channels)::value, false>(inputs, outputs, sampleFrames);
    });
}

void CharacterCompressor::processAccumulate(float** inputs, float** outputs, int32_t sampleFrames)
{
    withChannelCount(isStereo(), inputs, outputs, [&](auto channels) {
        process<decltype(channels)::value, true>(inputs, outputs, sampleFrames);
    });
}

template <int Channels, bool Accumulate>
void CharacterCompressor::process(float** inputs, float** outputs, int32_t sampleFrames)
{
    const CharacterBlockSettings settings = blockSettings();
    MeterPublisher publish{[](void* owner, int32_t index, float value) {
                               static_cast<CharacterCompressor*>(owner)->setDisplayValue(index, value);
                           },
                           this};
    runCharacterFrames<Channels, Accumulate>(fastestFrameLanes(), settings, channelBlocks, meters, gate, publish,
                                             inputs, outputs, sampleFrames);
}

}  // namespace fendwick
