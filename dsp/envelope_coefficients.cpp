// Detector coefficients, worked out in double precision and stored as float.
#include "envelope_coefficients.h"

#include <cmath>

namespace fendwick {

float halfLifeFactor(double samples)
{
    return static_cast<float>(std::pow(0.5, 1.0 / samples));
}

int32_t attackUnitsFor(float x)
{
    return static_cast<int32_t>(std::pow(static_cast<double>(x), 2.0) * 1492.0 + 8.0);
}

int32_t releaseMsFor(float x)
{
    return static_cast<int32_t>(std::pow(static_cast<double>(x), 2.0) * 495.0 + 5.0);
}

float attackFactor(int32_t units, float rateHz)
{
    if (units < 1) {
        return 0.0f;
    }
    return static_cast<float>(std::pow(0.4, 1.0 / (units * static_cast<double>(rateHz) * 0.00005)));
}

}  // namespace fendwick
