// Parameter and meter indexes of the single-band character plug-ins, shared
// by the processing, the texts, the programs, the editor and the tests.
#pragma once

#include <cstdint>

namespace fendwick {

// The stereo build's parameters.
namespace TolverinParam {
enum Index : int32_t {
    stereoLink,
    loCut,
    peakLimiter,
    reduction,
    thresh,
    ratio,
    attack,
    release,
    arc,
    character,
    characterMode,
    outLevel,
    outCeiling,
    stereoEnh,
    stereoEnhSwitch,
    count
};
}  // namespace TolverinParam

// The mono build has no stereo link and no enhancer, so every other
// parameter sits lower than in stereo.
namespace TolverinMonoParam {
enum Index : int32_t {
    loCut,
    peakLimiter,
    reduction,
    thresh,
    ratio,
    attack,
    release,
    arc,
    character,
    characterMode,
    outLevel,
    outCeiling,
    count
};
}  // namespace TolverinMonoParam

// The meters the processing publishes as display values, numbered on from
// the last parameter.
namespace TolverinMeter {
enum Index : int32_t {
    compressorGain = TolverinParam::count,
    compressedLevel,
    outputLevelLeft,
    outputLevelRight,
    limiterGainLeft,
    limiterGainRight,
    end
};
}  // namespace TolverinMeter

namespace TolverinMonoMeter {
enum Index : int32_t {
    compressorGain = TolverinMonoParam::count,
    compressedLevel,
    outputLevel,
    limiterGain,
    end
};
}  // namespace TolverinMonoMeter

constexpr int32_t kTolverinProgramCount = 32;

}  // namespace fendwick
