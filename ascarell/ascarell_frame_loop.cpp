// The choice among the single-band compressor's frame loops; the vector
// loops exist only where the build targets x86 with a compiler that has
// generic vectors and per-function targets.
#include "ascarell_frame_loop.h"

#include "ascarell_scalar_frames.h"
#include "processor_features.h"
#include "vector_paths.h"

#include <initializer_list>

#if FENDWICK_X86_VECTOR_PATHS
#include "ascarell_vector_frames.h"
#endif

namespace fendwick {

bool canRunAscarellLanes(AscarellLanes lanes)
{
    switch (lanes) {
    case AscarellLanes::scalar: return true;
    case AscarellLanes::sse2: return FENDWICK_X86_VECTOR_PATHS != 0;
    case AscarellLanes::avx512: return FENDWICK_X86_VECTOR_PATHS != 0 && processorHasAvx512vl();
    }
    return false;
}

AscarellLanes fastestAscarellLanes()
{
    for (AscarellLanes lanes : {AscarellLanes::avx512, AscarellLanes::sse2}) {
        if (canRunAscarellLanes(lanes)) {
            return lanes;
        }
    }
    return AscarellLanes::scalar;
}

template <int Channels, bool Accumulate>
void runAscarellFrames(AscarellLanes lanes, const EnvelopeDetector::Coefficients (&coefficients)[2],
                       const AscarellBlockSettings& settings, AscarellLoopState& state, float* const* inputs,
                       float* const* outputs, int32_t frames)
{
#if FENDWICK_X86_VECTOR_PATHS
    if (lanes == AscarellLanes::avx512) {
        runAvx512AscarellFrames<Channels, Accumulate>(coefficients, settings, state, inputs, outputs, frames);
        return;
    }
    if (lanes == AscarellLanes::sse2) {
        runSse2AscarellFrames<Channels, Accumulate>(coefficients, settings, state, inputs, outputs, frames);
        return;
    }
#else
    static_cast<void>(lanes);
#endif
    runScalarAscarellFrames<Channels, Accumulate>(coefficients, settings, state, inputs, outputs, frames);
}

template void runAscarellFrames<1, false>(AscarellLanes, const EnvelopeDetector::Coefficients (&)[2],
                                          const AscarellBlockSettings&, AscarellLoopState&, float* const*,
                                          float* const*, int32_t);
template void runAscarellFrames<1, true>(AscarellLanes, const EnvelopeDetector::Coefficients (&)[2],
                                         const AscarellBlockSettings&, AscarellLoopState&, float* const*,
                                         float* const*, int32_t);
template void runAscarellFrames<2, false>(AscarellLanes, const EnvelopeDetector::Coefficients (&)[2],
                                          const AscarellBlockSettings&, AscarellLoopState&, float* const*,
                                          float* const*, int32_t);
template void runAscarellFrames<2, true>(AscarellLanes, const EnvelopeDetector::Coefficients (&)[2],
                                         const AscarellBlockSettings&, AscarellLoopState&, float* const*,
                                         float* const*, int32_t);

}  // namespace fendwick
