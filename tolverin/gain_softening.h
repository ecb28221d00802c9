// The softened gains of the character line: the "Reduction" curve of the
// compressor gain and the soft limiter gain.
#pragma once

#include "sample_guards.h"
#include "scalar_lanes.h"

namespace fendwick {

// linear g - square g^2, with linear - square = 1, so that a gain of 1 stays
// exactly 1 and every gain below it is lifted; worked out in double and
// rounded to float once (in float 1.3 - 0.3 comes out one step below 1),
// then flushed and held at 1. For a float or a vector of them (Lanes), into h.
template <class Lanes>
inline void softenGain(double linear, double square, const typename Lanes::Floats& g, typename Lanes::Floats& h)
{
    using Floats = typename Lanes::Floats;
    typename Lanes::Doubles wide;
    Lanes::widen(g, wide);
    Floats s;
    Lanes::narrow(linear * wide - square * wide * wide, s);
    flushToZeroInPlace<typename Lanes::Bits>(s);
    h = s > 1.0f ? Floats{} + 1.0f : s;
}

inline float softenedGain(double linear, double square, float g)
{
    float h;
    softenGain<ScalarLanes>(linear, square, g, h);
    return h;
}

// The "Reduction" curve of a compressor gain: 0.5 becomes 0.575.
template <class Lanes>
inline void reduceGain(const typename Lanes::Floats& g, typename Lanes::Floats& h)
{
    softenGain<Lanes>(1.3, 0.3, g, h);
}

inline float reductionGain(float g) { return softenedGain(1.3, 0.3, g); }

// The limiter's gain from its raw gain c: 1.05 c - 0.05 c^2.
template <class Lanes>
inline void softenLimiterGain(const typename Lanes::Floats& c, typename Lanes::Floats& e)
{
    softenGain<Lanes>(1.05, 0.05, c, e);
}

inline float softLimiterGain(float c) { return softenedGain(1.05, 0.05, c); }

}  // namespace fendwick
