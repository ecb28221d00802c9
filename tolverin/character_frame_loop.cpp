// The choice among the character compressor's frame loops: one frame at a
// time, or in stages over runs of frames compiled for SSE2 or AVX-512VL.
#include "character_frame_loop.h"

#include "character_scalar_frames.h"
#include "vector_paths.h"

#include <type_traits>

#if FENDWICK_X86_VECTOR_PATHS
#include "character_chain_lanes.h"
#include "character_detector_lanes_avx512.h"
#include "character_staged_frames.h"
#include "lo_cut_lanes_avx512.h"
#endif

namespace fendwick {

namespace {

#if FENDWICK_X86_VECTOR_PATHS
// The staged loop with every step inlined and compiled for AVX-512VL, whose
// wider vectors take more frames per instruction in the vector stages and
// whose mask registers keep the detectors' selects short.
template <int Channels, bool Accumulate>
__attribute__((target("avx512f,avx512vl"), flatten)) void runAvx512CharacterFrames(
    const CharacterBlockSettings& settings, CharacterChannel* channels, CharacterMeters& meters,
    CharacterGateState& gate, MeterPublisher& publish, float* const* inputs, float* const* outputs, int32_t frames)
{
    using Cuts = std::conditional_t<Channels == 2, chain_lanes::Avx512LowCutPair, chain_lanes::LowCutPair<1>>;
    runStagedCharacterFrames<Channels, Accumulate, VectorLanes<16>, Cuts, chain_lanes::Avx512DetectorLanes<Channels>>(
        settings, channels, meters, gate, publish, inputs, outputs, frames);
}
#endif

}  // namespace

template <int Channels, bool Accumulate>
void runCharacterFrames(FrameLanes lanes, const CharacterBlockSettings& settings, CharacterChannel* channels,
                        CharacterMeters& meters, CharacterGateState& gate, MeterPublisher& publish,
                        float* const* inputs, float* const* outputs, int32_t frames)
{
#if FENDWICK_X86_VECTOR_PATHS
    if (lanes == FrameLanes::avx512) {
        runAvx512CharacterFrames<Channels, Accumulate>(settings, channels, meters, gate, publish, inputs, outputs,
                                                       frames);
        return;
    }
    if (lanes == FrameLanes::sse2) {
        runStagedCharacterFrames<Channels, Accumulate, VectorLanes<4>, chain_lanes::LowCutPair<Channels>,
                                 chain_lanes::DetectorLanes<Channels>>(settings, channels, meters, gate, publish,
                                                                       inputs, outputs, frames);
        return;
    }
#endif
    runScalarCharacterFrames<Channels, Accumulate>(settings, channels, meters, gate, publish, inputs, outputs,
                                                   frames);
}

template void runCharacterFrames<1, false>(FrameLanes, const CharacterBlockSettings&, CharacterChannel*,
                                           CharacterMeters&, CharacterGateState&, MeterPublisher&, float* const*,
                                           float* const*, int32_t);
template void runCharacterFrames<1, true>(FrameLanes, const CharacterBlockSettings&, CharacterChannel*,
                                          CharacterMeters&, CharacterGateState&, MeterPublisher&, float* const*,
                                          float* const*, int32_t);
template void runCharacterFrames<2, false>(FrameLanes, const CharacterBlockSettings&, CharacterChannel*,
                                           CharacterMeters&, CharacterGateState&, MeterPublisher&, float* const*,
                                           float* const*, int32_t);
template void runCharacterFrames<2, true>(FrameLanes, const CharacterBlockSettings&, CharacterChannel*,
                                          CharacterMeters&, CharacterGateState&, MeterPublisher&, float* const*,
                                          float* const*, int32_t);

}  // namespace fendwick
