// The three-band character compressor's processing routines, replacing and
// accumulating: the settings in, the frame loop, the meters out.
#include "multiband_character_compressor.h"

#include "multiband_character_frame_loop.h"

namespace fendwick {

void MultibandCharacterCompressor::processReplace(float** inputs, float** outputs, int32_t sampleFrames)
{
    process<false>(inputs, outputs, sampleFrames);
}

void MultibandCharacterCompressor::processAccumulate(float** inputs, float** outputs, int32_t sampleFrames)
{
    process<true>(inputs, outputs, sampleFrames);
}

template <bool Accumulate>
void MultibandCharacterCompressor::process(float** inputs, float** outputs, int32_t sampleFrames)
{
    if (inputs == nullptr || outputs == nullptr || inputs[0] == nullptr || outputs[0] == nullptr) {
        return;
    }
    parameters.deliverCrossover(state);
    MultibandCharacterBlockSettings settings{};
    for (int32_t b = 0; b < kMultibandBandCount; ++b) {
        settings.bands[b] = parameters.band(b);
    }
    settings.meterInterval = meterFrames;
    MeterPublisher publish{[](void* owner, int32_t index, float value) {
                               static_cast<MultibandCharacterCompressor*>(owner)->setDisplayValue(index, value);
                           },
                           this};
    runMultibandCharacterFrames<Accumulate>(fastestFrameLanes(), settings, state, publish, inputs[0], outputs[0],
                                            sampleFrames);
}

}  // namespace fendwick
