// The softened gains of the character line: the "Reduction" curve of the
// compressor gain and the soft limiter gain.
#pragma once

#include "sample_guards.h"

namespace fendwick {

// linear g - square g^2, with linear - square = 1, so that a gain of 1 stays
// exactly 1 and every gain below it is lifted; worked out in double and
// rounded to float once (in float 1.3 - 0.3 comes out one step below 1),
// then flushed and held at 1.
inline float softenedGain(double linear, double square, float g)
{
    const double gd = g;
    const float h = flushToZero(static_cast<float>(linear * gd - square * gd * gd));
    return h > 1.0f ? 1.0f : h;
}

// The "Reduction" curve of a compressor gain: 0.5 becomes 0.575.
inline float reductionGain(float g) { return softenedGain(1.3, 0.3, g); }

// The limiter's gain from its raw gain c: 1.05 c - 0.05 c^2.
inline float softLimiterGain(float c) { return softenedGain(1.05, 0.05, c); }

}  // namespace fendwick
