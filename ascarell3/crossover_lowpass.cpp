// Coefficients of the crossover's low-pass section, worked out in double
// precision and stored as float.
#include "crossover_lowpass.h"

#include <algorithm>
#include <cmath>

namespace fendwick {

namespace {

constexpr double kTwoPi = 6.283185307179586;

// At half the sample rate alpha reaches zero and the poles the unit circle;
// above it the section runs away. The top of the range (22000 Hz) stays
// below this bound from 44.1 kHz up (22000 Hz is 0.4989 of 44.1 kHz), so
// those rates keep their coefficients bit for bit; at lower rates the
// upper range is held here, where the poles still lie inside the circle
// with a margin that float coefficients keep (a2 about 0.994).
constexpr double kHighestCutoffPerRate = 0.499;

float shapeFor(float x)
{
    const double xd = x;
    return static_cast<float>(xd * xd * xd * xd);
}

float cutoffHzForShape(float shape)
{
    return static_cast<float>(21950.0 * shape + 50.0);
}

}  // namespace

float CrossoverLowpass::cutoffHzFor(float x)
{
    return cutoffHzForShape(shapeFor(x));
}

void CrossoverLowpass::setSampleRate(float rateHz)
{
    sampleRate = rateHz;
    recompute();
}

void CrossoverLowpass::setCutoff(float x)
{
    shape = shapeFor(x);
    recompute();
}

void CrossoverLowpass::recompute()
{
    cutoff = cutoffHzForShape(shape);
    const double rateHz = sampleRate;
    const double f = std::min(static_cast<double>(cutoff), kHighestCutoffPerRate * rateHz);
    const double w = kTwoPi * f / rateHz;
    const double c = std::cos(w);
    const double alpha = std::sin(w) * 0.5;  // a resonance Q of 1
    const double k = 1.0 / (1.0 + alpha);
    SymmetricBiquad::Coefficients& made = section.coefficients;
    made.b0 = static_cast<float>(k * (1.0 - c) * 0.5);
    made.b1 = static_cast<float>(k * (1.0 - c));
    made.a1 = static_cast<float>(k * (-2.0 * c));
    made.a2 = static_cast<float>(k * (1.0 - alpha));
}

}  // namespace fendwick
