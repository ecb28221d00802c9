// The single-band compressor's processing routines, replacing and
// accumulating, stereo and mono: the fields in, the frame loop, the state out.
#include "ascarell_compressor.h"

#include "ascarell_frame_loop.h"

namespace fendwick {

void AscarellCompressor::processReplace(float** inputs, float** outputs, int32_t sampleFrames)
{
    if (inputs == nullptr || outputs == nullptr) {
        return;
    }
    if (isStereo()) {
        processStereo<false>(inputs, outputs, sampleFrames);
    } else {
        processMono<false>(inputs, outputs, sampleFrames);
    }
}

void AscarellCompressor::processAccumulate(float** inputs, float** outputs, int32_t sampleFrames)
{
    if (inputs == nullptr || outputs == nullptr) {
        return;
    }
    if (isStereo()) {
        processStereo<true>(inputs, outputs, sampleFrames);
    } else {
        processMono<true>(inputs, outputs, sampleFrames);
    }
}

template <bool Accumulate>
void AscarellCompressor::processStereo(float** inputs, float** outputs, int32_t sampleFrames)
{
    const EnvelopeDetector::Coefficients coefficients[2] = {detectors[0].coefficients(),
                                                            detectors[1].coefficients()};
    const AscarellBlockSettings settings{inputParam, outParam, threshold, gainBlend};
    AscarellLoopState state{{detectors[0].state(), detectors[1].state()}, silenceCount, processingActive};

    runAscarellFrames<2, Accumulate>(fastestFrameLanes(), coefficients, settings, state, inputs, outputs,
                                       sampleFrames);

    detectors[0].setState(state.envelopes[0]);
    detectors[1].setState(state.envelopes[1]);
    silenceCount = state.silenceCount;
    processingActive = state.processingActive;
}

template <bool Accumulate>
void AscarellCompressor::processMono(float** inputs, float** outputs, int32_t sampleFrames)
{
    const EnvelopeDetector::Coefficients coefficients[2] = {detectors[0].coefficients(),
                                                            detectors[0].coefficients()};
    const AscarellBlockSettings settings{inputParam, outParam, threshold, gainBlend};
    AscarellLoopState state{{detectors[0].state(), {}}, silenceCount, processingActive};

    runAscarellFrames<1, Accumulate>(fastestFrameLanes(), coefficients, settings, state, inputs, outputs,
                                       sampleFrames);

    detectors[0].setState(state.envelopes[0]);
    silenceCount = state.silenceCount;
    processingActive = state.processingActive;
}

}  // namespace fendwick
