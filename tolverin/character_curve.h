// The character stage's curve sets and the gain a curve gives a detected level.
#pragma once

#include "sample_guards.h"
#include "scalar_lanes.h"

namespace fendwick {

// One curve P(v) = linear v - square v^2 - cube v^3 - fifth v^5, which lifts
// levels below full scale and meets full scale near 1.
struct CharacterCurve {
    float linear;
    float square;
    float cube;
    float fifth;
};

// The curve of the Character setting (Bright below 0.333333, Hot below
// 0.666666, Loud from there) in the set of Character mode ("Normal" below
// 0.5, "Maxx mode" from there): a row of a constant table, valid for ever.
const CharacterCurve& characterCurveFor(float character, float mode);

// The gain that takes a detected level v onto the curve: P(v) / v with P(v)
// held at 0.999999, and 1 for a level at 0.999999 or above, at or below 0,
// or NaN, so that the gain stays finite and never lifts full scale. Worked
// out at every level and chosen after, without a branch. For a float or a
// vector of them (Lanes), into gain.
template <class Lanes>
inline void characteriseGain(const CharacterCurve& curve, const typename Lanes::Floats& v,
                             typename Lanes::Floats& gain)
{
    using Floats = typename Lanes::Floats;
    using Bits = typename Lanes::Bits;
    constexpr float kHighestShaped = 0.999999f;
    const Floats v2 = v * v;
    const Floats v3 = v2 * v;
    const Floats v5 = v3 * v2;
    Floats shaped = curve.linear * v - curve.square * v2 - curve.cube * v3 - curve.fifth * v5;
    flushToZeroInPlace<Bits>(shaped);
    shaped = shaped >= kHighestShaped ? Floats{} + kHighestShaped : shaped;
    Floats g = shaped / v;
    flushToZeroInPlace<Bits>(g);
    gain = ((v > 0.0f) & (v < kHighestShaped)) ? g : Floats{} + 1.0f;
}

inline float characterGain(const CharacterCurve& curve, float v)
{
    float gain;
    characteriseGain<ScalarLanes>(curve, v, gain);
    return gain;
}

}  // namespace fendwick
