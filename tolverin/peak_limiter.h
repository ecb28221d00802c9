// The peak limiter's gain and the limited output under the ceiling.
#pragma once

#include "gain_softening.h"
#include "sample_guards.h"

namespace fendwick {

// Detector levels from 0.97 up are brought back to 0.97 (the raw gain
// 0.97 / level), then the gain is softened. The division runs at every
// level, so that a loop of it over frames compiles to vector code.
inline float limiterGain(float level)
{
    constexpr float kLimiterThreshold = 0.97f;
    const float limiting = flushToZero(kLimiterThreshold / level);
    return softLimiterGain(level < kLimiterThreshold ? 1.0f : limiting);
}

// The sample z under the limiter gain, held within +-0.999999 (the detector
// follows peaks, so a fast rise can pass it for a few samples), then scaled
// by the ceiling (a linear factor, 1.0 is 0 dB).
inline float limitedOutput(float gain, float z, float ceiling)
{
    constexpr float kHighestLimited = 0.999999f;
    float o = flushToZero(gain * z);
    o = o > kHighestLimited ? kHighestLimited : o;
    o = o < -kHighestLimited ? -kHighestLimited : o;
    return o * ceiling;
}

}  // namespace fendwick
