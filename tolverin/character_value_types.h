// How the character line's own values read: the character curve, its curve
// set and the output ceiling, shared by the single-band and three-band tables.
#pragma once

#include "choice_value.h"
#include "decibel_value.h"

namespace fendwick {

// The character curves switch at 0.333333 and 0.666666, as the processing does.
inline constexpr const char* kCharacterCurveNames[] = {"Bright", "Hot", "Loud"};
inline constexpr ChoiceValue kCharacterCurve(kCharacterCurveNames);
// "Maxx" stands for Maxx mode, so that it fits the host's eight characters.
inline constexpr const char* kCharacterCurveSetNames[] = {"Normal", "Maxx"};
inline constexpr ChoiceValue kCharacterCurveSet(kCharacterCurveSetNames);
// The ceiling is the factor x itself: 1 is full scale, 0 silence.
inline constexpr DecibelValue kOutputCeiling(1.0f, 0.0f, "-oo");

}  // namespace fendwick
