// The gain a band of the three-band character line applies, shaped by its Type.
#pragma once

#include "gain_softening.h"

namespace fendwick {

// Type below 0.5 lifts the band compressor's gain g onto the gentle curve
// 1.3 g - 0.3 g^2 (0.5 becomes 0.575, 1 stays exactly 1); from 0.5 up the
// gain is used as it is.
inline float bandTypeGain(float type, float g) { return type < 0.5f ? reductionGain(g) : g; }

}  // namespace fendwick
