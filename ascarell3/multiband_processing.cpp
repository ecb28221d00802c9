// The three-band compressor's processing routines, replacing and
// accumulating, stereo and mono: the fields in, the frame loop, the state out.
#include "multiband_compressor.h"

#include "channel_dispatch.h"
#include "multiband_frame_loop.h"

namespace fendwick {

void MultibandCompressor::processReplace(float** inputs, float** outputs, int32_t sampleFrames)
{
    withChannelCount(isStereo(), inputs, outputs, [&](auto channels) {
        process<decltype(channels)::value, false>(inputs, outputs, sampleFrames);
    });
}

void MultibandCompressor::processAccumulate(float** inputs, float** outputs, int32_t sampleFrames)
{
    withChannelCount(isStereo(), inputs, outputs, [&](auto channels) {
        process<decltype(channels)::value, true>(inputs, outputs, sampleFrames);
    });
}

template <int Channels, bool Accumulate>
void MultibandCompressor::process(float** inputs, float** outputs, int32_t sampleFrames)
{
    splitHandoff.deliverTo(crossover);
    MultibandBlockSettings settings;
    MultibandLoopState state{};
    for (int32_t b = 0; b < kMultibandBandCount; ++b) {
        settings.bands[b] = bands[b];
        for (int c = 0; c < 2; ++c) {
            settings.detectors[b][c] = detectors[b][c].coefficients();
            state.envelopes[b][c] = detectors[b][c].state();
        }
    }
    settings.outParam = outParam;
    state.silenceCount = silenceCount;
    state.processingActive = processingActive;

    runMultibandFrames<Channels, Accumulate>(fastestFrameLanes(), settings, crossover, state, inputs, outputs,
                                             sampleFrames);

    for (int32_t b = 0; b < kMultibandBandCount; ++b) {
        for (int c = 0; c < Channels; ++c) {
            detectors[b][c].setState(state.envelopes[b][c]);
        }
    }
    silenceCount = state.silenceCount;
    processingActive = state.processingActive;
}

}  // namespace fendwick
