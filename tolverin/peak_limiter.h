// The peak limiter's gain and the limited output under the ceiling.
#pragma once

#include "gain_softening.h"
#include "lane_reach.h"
#include "sample_guards.h"
#include "scalar_lanes.h"

namespace fendwick {

// Detector levels from 0.97 up are brought back to 0.97 (the raw gain
// 0.97 / level), then the gain is softened; below, the gain is 1.0, which
// softening keeps, so that a vector with no lane at 0.97 skips the work.
// Otherwise the division runs at every lane, so that it needs no branch per
// lane. For a float or a vector of them (Lanes).
template <class Lanes>
inline void limitGain(const typename Lanes::Floats& level, typename Lanes::Floats& gain)
{
    using Floats = typename Lanes::Floats;
    constexpr float kLimiterThreshold = 0.97f;
    if (!anyLaneReaches(level, kLimiterThreshold)) {
        gain = Floats{} + 1.0f;
        return;
    }
    Floats limiting = kLimiterThreshold / level;
    flushToZeroInPlace<typename Lanes::Bits>(limiting);
    softenLimiterGain<Lanes>(level < kLimiterThreshold ? Floats{} + 1.0f : limiting, gain);
}

inline float limiterGain(float level)
{
    float gain;
    limitGain<ScalarLanes>(level, gain);
    return gain;
}

// The sample z under the limiter gain, held within +-0.999999 (the detector
// follows peaks, so a fast rise can pass it for a few samples), then scaled
// by the ceiling (a linear factor, 1.0 is 0 dB). For a float or a vector of them (Lanes).
template <class Lanes>
inline void limitOutput(const typename Lanes::Floats& gain, const typename Lanes::Floats& z, float ceiling,
                        typename Lanes::Floats& out)
{
    using Floats = typename Lanes::Floats;
    constexpr float kHighestLimited = 0.999999f;
    Floats o = gain * z;
    flushToZeroInPlace<typename Lanes::Bits>(o);
    o = o > kHighestLimited ? Floats{} + kHighestLimited : o;
    o = o < -kHighestLimited ? Floats{} - kHighestLimited : o;
    out = o * ceiling;
}

inline float limitedOutput(float gain, float z, float ceiling)
{
    float o;
    limitOutput<ScalarLanes>(gain, z, ceiling, o);
    return o;
}

}  // namespace fendwick
