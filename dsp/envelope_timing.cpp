// Detector factors, worked out in double precision and stored as float.
#include "envelope_timing.h"

#include <cmath>

namespace fendwick {

float halfLifeFactor(double samples)
{
    return static_cast<float>(std::pow(0.5, 1.0 / samples));
}

void EnvelopeTiming::setSampleRate(float rateHz)
{
    sampleRate = rateHz;
    recomputeAttack();
    recomputeRelease();
}

void EnvelopeTiming::setAttack(float x)
{
    attackUnitsCount = static_cast<int32_t>(std::pow(static_cast<double>(x), 2.0) * 1492.0 + 8.0);
    recomputeAttack();
}

void EnvelopeTiming::setRelease(float x)
{
    releaseTimeMs = static_cast<int32_t>(std::pow(static_cast<double>(x), 2.0) * 495.0 + 5.0);
    recomputeRelease();
}

void EnvelopeTiming::recomputeAttack()
{
    if (attackUnitsCount < 1) {
        attackCoef = 0.0f;
        return;
    }
    attackCoef = static_cast<float>(
        std::pow(0.4, 1.0 / (attackUnitsCount * static_cast<double>(sampleRate) * 0.00005)));
}

void EnvelopeTiming::recomputeRelease()
{
    const double rateHz = sampleRate;
    releaseCoef = halfLifeFactor(releaseTimeMs * rateHz * 0.001);
    fastReleaseCoef = halfLifeFactor(rateHz * 0.01);
    slowReleaseCoef = halfLifeFactor(rateHz * 0.1);
}

}  // namespace fendwick
