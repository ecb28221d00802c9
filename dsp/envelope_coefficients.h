// The level-to-coefficient formulas that the detectors of every line share.
#pragma once

#include <cstdint>

namespace fendwick {

// The per-sample factor that halves a level in the given number of samples.
float halfLifeFactor(double samples);

// The attack length in units of 0.05 ms from the normalized Attack x:
// 8 (0.4 ms) to 1500 (75 ms) along x^2, truncated.
int32_t attackUnitsFor(float x);

// The release time in ms from the normalized Release x: 5 to 500 along x^2,
// truncated.
int32_t releaseMsFor(float x);

// The per-sample attack factor: after units x 0.05 ms a step in the input
// has closed 60 % of the gap; 0 (an instant attack) below one unit.
float attackFactor(int32_t units, float rateHz);

}  // namespace fendwick
