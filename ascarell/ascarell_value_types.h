// How the clean compressor's values read in units, for the single-band and
// the three-band line alike.
#pragma once

#include "curve_value.h"
#include "decibel_value.h"
#include "percent_value.h"
#include "ratio_value.h"

namespace fendwick {

// Input and output gain are 2x: 0.5 is 0 dB, 0 is silence.
inline constexpr DecibelValue kAscarellGain(2.0f, 0.0f, "-oo");
// The threshold is 0.999x and never below -50 dB.
inline constexpr DecibelValue kAscarellThreshold(0.999f, 0.003162277f, "-50.0");
inline constexpr RatioValue kAscarellRatio(50.0f);
inline constexpr PercentValue kAscarellKnee("Hard", "Soft");
// The attack shown runs 1 to 500 ms, apart from the 0.4 to 75 ms the
// detector uses; both mappings are part of the product.
inline constexpr CurveValue kAscarellAttackShown(499.0, 2.0, 1.0, " ms");
inline constexpr CurveValue kAscarellRelease(495.0, 2.0, 5.0, " ms");

}  // namespace fendwick
