// The ratio slope of a compressor from its threshold and ratio setting.
#include "ratio_slope.h"

#include <cmath>

namespace fendwick {

// The line from (T, T) to (1, T^x) in linear amplitude: T^x is the level a
// full-scale input comes out at, x of the way from 0 dB down to T.
float ratioSlope(float threshold, float ratioParam)
{
    const auto t = static_cast<double>(threshold);
    const double fullScale = std::pow(t, static_cast<double>(ratioParam));
    return static_cast<float>((fullScale - t) / (1.0 - t));
}

}  // namespace fendwick
