// The six character curves and the choice among them.
#include "character_curve.h"

namespace fendwick {

namespace {

// Rows Bright, Hot, Loud; "Maxx mode" drives each harder than "Normal".
constexpr CharacterCurve kNormalCurves[] = {
    {1.15f, 0.0f, 0.05f, 0.1f},
    {1.35f, 0.35f, 0.0f, 0.0f},
    {1.3f, 0.0f, 0.225f, 0.075f},
};
constexpr CharacterCurve kMaxxCurves[] = {
    {1.225f, 0.0f, 0.075f, 0.15f},
    {1.6f, 0.6f, 0.0f, 0.0f},
    {1.4f, 0.0f, 0.3f, 0.1f},
};

}  // namespace

const CharacterCurve& characterCurveFor(float character, float mode)
{
    const int row = character < 0.333333f ? 0 : character < 0.666666f ? 1 : 2;
    return mode < 0.5f ? kNormalCurves[row] : kMaxxCurves[row];
}

}  // namespace fendwick
