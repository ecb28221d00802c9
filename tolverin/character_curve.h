// The character stage's curve sets and the gain a curve gives a detected level.
#pragma once

#include "sample_guards.h"

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
// out at every level and chosen after, without a branch, so that a loop of
// it over frames compiles to vector code.
inline float characterGain(const CharacterCurve& curve, float v)
{
    constexpr float kHighestShaped = 0.999999f;
    const float v2 = v * v;
    const float v3 = v2 * v;
    const float v5 = v3 * v2;
    float shaped = flushToZero(curve.linear * v - curve.square * v2 - curve.cube * v3 - curve.fifth * v5);
    shaped = shaped >= kHighestShaped ? kHighestShaped : shaped;
    const float gain = flushToZero(shaped / v);
    return v > 0.0f && v < kHighestShaped ? gain : 1.0f;
}

}  // namespace fendwick
