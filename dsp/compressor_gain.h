// The compressor gain of a detected level above the threshold, shared by every line.
#pragma once

#include "sample_guards.h"

#include <cstdint>

namespace fendwick {

// The gain that puts a level m at or above the threshold T on the static
// curve T + slope (m - T): T / m, the gain that would hold m at T, blended
// toward 1 by the ratio slope. For a float or a vector of floats, written
// into gain (see flushToZeroInPlace for why not returned).
template <class Bits, class Floats>
inline void gainAboveThreshold(float threshold, float slope, const Floats& m, Floats& gain)
{
    Floats g = threshold / m;
    flushToZeroInPlace<Bits>(g);
    gain = g + (1.0f - g) * slope;
    flushToZeroInPlace<Bits>(gain);
}

// One level's gain: 1 below the threshold (and for a NaN level), else as
// above. Worked out at every level and chosen after, without a branch, so
// that a loop of it over frames compiles to vector code.
inline float compressorGain(float threshold, float slope, float level)
{
    float gain;
    gainAboveThreshold<uint32_t>(threshold, slope, level, gain);
    return level >= threshold ? gain : 1.0f;
}

}  // namespace fendwick
