// The choice among the three-band compressor's frame loops; the vector
// loops exist only where the build targets x86 with a compiler that has
// generic vectors and per-function targets.
#include "multiband_frame_loop.h"

#include "idle_silence.h"
#include "multiband_scalar_frames.h"
#include "vector_paths.h"

#if FENDWICK_X86_VECTOR_PATHS
#include "multiband_vector_frames.h"
#endif

namespace fendwick {

template <int Channels, bool Accumulate>
void runMultibandFrames(FrameLanes lanes, const MultibandBlockSettings& settings, ThreeBandCrossover& crossover,
                        MultibandLoopState& state, float* const* inputs, float* const* outputs, int32_t frames)
{
    if (passedIdleSilence<Channels, Accumulate>(state.envelopes, kMultibandBandCount, state.silenceCount,
                                                state.processingActive, inputs, outputs, frames)) {
        return;
    }
#if FENDWICK_X86_VECTOR_PATHS
    if (lanes == FrameLanes::avx512) {
        runAvx512MultibandFrames<Channels, Accumulate>(settings, crossover, state, inputs, outputs, frames);
        return;
    }
    if (lanes == FrameLanes::sse2) {
        runSse2MultibandFrames<Channels, Accumulate>(settings, crossover, state, inputs, outputs, frames);
        return;
    }
#else
    static_cast<void>(lanes);
#endif
    runScalarMultibandFrames<Channels, Accumulate>(settings, crossover, state, inputs, outputs, frames);
}

template void runMultibandFrames<1, false>(FrameLanes, const MultibandBlockSettings&, ThreeBandCrossover&,
                                           MultibandLoopState&, float* const*, float* const*, int32_t);
template void runMultibandFrames<1, true>(FrameLanes, const MultibandBlockSettings&, ThreeBandCrossover&,
                                          MultibandLoopState&, float* const*, float* const*, int32_t);
template void runMultibandFrames<2, false>(FrameLanes, const MultibandBlockSettings&, ThreeBandCrossover&,
                                           MultibandLoopState&, float* const*, float* const*, int32_t);
template void runMultibandFrames<2, true>(FrameLanes, const MultibandBlockSettings&, ThreeBandCrossover&,
                                          MultibandLoopState&, float* const*, float* const*, int32_t);

}  // namespace fendwick
