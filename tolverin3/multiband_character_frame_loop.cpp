// The choice among the three-band character compressor's frame loops; the
// vector loops exist only where the build targets x86 with a compiler that
// has generic vectors and per-function targets.
#include "multiband_character_frame_loop.h"

#include "vector_paths.h"

#if FENDWICK_X86_VECTOR_PATHS
#include "multiband_character_vector_frames.h"
#endif

namespace fendwick {

template <bool Accumulate>
void runMultibandCharacterFrames(FrameLanes lanes, const MultibandCharacterBlockSettings& settings,
                                 MultibandCharacterState& state, MeterPublisher& publish, const float* input,
                                 float* output, int32_t frames)
{
#if FENDWICK_X86_VECTOR_PATHS
    if (lanes == FrameLanes::avx512) {
        runAvx512MultibandCharacterFrames<Accumulate>(settings, state, publish, input, output, frames);
        return;
    }
    if (lanes == FrameLanes::sse2) {
        runSse2MultibandCharacterFrames<Accumulate>(settings, state, publish, input, output, frames);
        return;
    }
#else
    static_cast<void>(lanes);
#endif
    runScalarMultibandCharacterFrames<Accumulate>(settings, state, publish, input, output, frames);
}

template void runMultibandCharacterFrames<false>(FrameLanes, const MultibandCharacterBlockSettings&,
                                                 MultibandCharacterState&, MeterPublisher&, const float*, float*,
                                                 int32_t);
template void runMultibandCharacterFrames<true>(FrameLanes, const MultibandCharacterBlockSettings&,
                                                MultibandCharacterState&, MeterPublisher&, const float*, float*,
                                                int32_t);

}  // namespace fendwick
