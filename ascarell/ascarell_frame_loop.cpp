// The choice among the single-band compressor's frame loops; the vector
// loops exist only where the build targets x86 with a compiler that has
// generic vectors and per-function targets.
#include "ascarell_frame_loop.h"

#include "ascarell_scalar_frames.h"
#include "idle_silence.h"
#include "vector_paths.h"

#if FENDWICK_X86_VECTOR_PATHS
#include "ascarell_vector_frames.h"
#endif

namespace fendwick {

template <int Channels, bool Accumulate>
void runAscarellFrames(FrameLanes lanes, const EnvelopeDetector::Coefficients (&coefficients)[2],
                       const AscarellBlockSettings& settings, AscarellLoopState& state, float* const* inputs,
                       float* const* outputs, int32_t frames)
{
    if (passedIdleSilence<Channels, Accumulate>(&state.envelopes, 1, state.silenceCount, state.processingActive,
                                                inputs, outputs, frames)) {
        return;
    }
#if FENDWICK_X86_VECTOR_PATHS
    if (lanes == FrameLanes::avx512) {
        runAvx512AscarellFrames<Channels, Accumulate>(coefficients, settings, state, inputs, outputs, frames);
        return;
    }
    if (lanes == FrameLanes::sse2) {
        runSse2AscarellFrames<Channels, Accumulate>(coefficients, settings, state, inputs, outputs, frames);
        return;
    }
#else
    static_cast<void>(lanes);
#endif
    runScalarAscarellFrames<Channels, Accumulate>(coefficients, settings, state, inputs, outputs, frames);
}

template void runAscarellFrames<1, false>(FrameLanes, const EnvelopeDetector::Coefficients (&)[2],
                                          const AscarellBlockSettings&, AscarellLoopState&, float* const*,
                                          float* const*, int32_t);
template void runAscarellFrames<1, true>(FrameLanes, const EnvelopeDetector::Coefficients (&)[2],
                                         const AscarellBlockSettings&, AscarellLoopState&, float* const*,
                                         float* const*, int32_t);
template void runAscarellFrames<2, false>(FrameLanes, const EnvelopeDetector::Coefficients (&)[2],
                                          const AscarellBlockSettings&, AscarellLoopState&, float* const*,
                                          float* const*, int32_t);
template void runAscarellFrames<2, true>(FrameLanes, const EnvelopeDetector::Coefficients (&)[2],
                                         const AscarellBlockSettings&, AscarellLoopState&, float* const*,
                                         float* const*, int32_t);

}  // namespace fendwick
