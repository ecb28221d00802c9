// Coefficients of the level detector, worked out in double precision.
#include "envelope_detector.h"

#include <cmath>

namespace fendwick {

namespace {

// The per-sample factor that halves a level in the given number of samples.
float halfLifeFactor(double samples)
{
    return static_cast<float>(std::pow(0.5, 1.0 / samples));
}

}  // namespace

void EnvelopeDetector::setSampleRate(float rateHz)
{
    sampleRate = rateHz;
    recomputeAttack();
    recomputeRelease();
}

void EnvelopeDetector::setAttack(float x)
{
    attackUnitsCount = static_cast<int32_t>(std::pow(static_cast<double>(x), 2.0) * 1492.0 + 8.0);
    recomputeAttack();
}

void EnvelopeDetector::setRelease(float x)
{
    releaseTimeMs = static_cast<int32_t>(std::pow(static_cast<double>(x), 2.0) * 495.0 + 5.0);
    recomputeRelease();
}

// After attackUnits x 0.05 ms a step in the input has closed 60 % of the gap.
void EnvelopeDetector::recomputeAttack()
{
    if (attackUnitsCount < 1) {
        attackCoef = 0.0f;
        return;
    }
    attackCoef = static_cast<float>(
        std::pow(0.4, 1.0 / (attackUnitsCount * static_cast<double>(sampleRate) * 0.00005)));
}

void EnvelopeDetector::recomputeRelease()
{
    const double rateHz = sampleRate;
    releaseCoef = halfLifeFactor(releaseTimeMs * rateHz * 0.001);
    fastReleaseCoef = halfLifeFactor(rateHz * 0.01);
    slowReleaseCoef = halfLifeFactor(rateHz * 0.1);
}

}  // namespace fendwick
