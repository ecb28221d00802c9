// The level detector's setters, on the coefficient formulas every line shares.
#include "envelope_detector.h"

#include "envelope_coefficients.h"

namespace fendwick {

void EnvelopeDetector::setSampleRate(float rateHz)
{
    sampleRate = rateHz;
    recomputeAttack();
    recomputeRelease();
}

void EnvelopeDetector::setAttack(float x)
{
    attackUnitsCount = attackUnitsFor(x);
    recomputeAttack();
}

void EnvelopeDetector::setRelease(float x)
{
    releaseTimeMs = releaseMsFor(x);
    recomputeRelease();
}

void EnvelopeDetector::recomputeAttack()
{
    attackCoef = attackFactor(attackUnitsCount, sampleRate);
}

void EnvelopeDetector::recomputeRelease()
{
    const double rateHz = sampleRate;
    releaseCoef = halfLifeFactor(releaseTimeMs * rateHz * 0.001);
    fastReleaseCoef = halfLifeFactor(rateHz * 0.01);
    slowReleaseCoef = halfLifeFactor(rateHz * 0.1);
}

}  // namespace fendwick
