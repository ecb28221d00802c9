// How the values the compressor lines share read in units: gain,
// threshold, ratio, attack and release, and the multiband lines' crossover.
#pragma once

#include "curve_value.h"
#include "decibel_value.h"
#include "ratio_value.h"

namespace fendwick {

// Input and output gain are 2x: 0.5 is 0 dB, 0 is silence.
inline constexpr DecibelValue kCompressorGain(2.0f, 0.0f, "-oo");
// The threshold is 0.999x and never below -50 dB.
inline constexpr DecibelValue kCompressorThreshold(0.999f, 0.003162277f, "-50.0");
inline constexpr RatioValue kCompressorRatio(50.0f);
// The attack shown runs 1 to 500 ms, apart from the 0.4 to 75 ms the
// detectors use; both mappings are part of the product.
inline constexpr CurveValue kCompressorAttackShown(499.0, 2.0, 1.0, " ms");
inline constexpr CurveValue kCompressorRelease(495.0, 2.0, 5.0, " ms");
// The crossover cutoff in whole hertz, as the crossover sets it.
inline constexpr CurveValue kCrossoverCutoff(21950.0, 4.0, 50.0, " Hz");

}  // namespace fendwick
