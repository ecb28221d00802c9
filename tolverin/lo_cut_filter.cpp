// The low cut's coefficients, each intermediate stored as float.
#include "lo_cut_filter.h"

#include <algorithm>
#include <cmath>

namespace fendwick {

namespace {

constexpr double kTwoPi = 6.283185307179586;

// Below 150 Hz the cutoff would pass half the sample rate, where the poles
// leave the unit circle; there it is held just under that bound instead.
constexpr double kHighestCutoffPerRate = 0.499;

}  // namespace

LoCutFilter::LoCutFilter() { setSampleRate(44100.0f); }

void LoCutFilter::setSampleRate(float rateHz)
{
    const double f = std::min(static_cast<double>(kCutoffHz), kHighestCutoffPerRate * rateHz);
    const auto w = static_cast<float>(f * kTwoPi / rateHz);
    const auto s = static_cast<float>(std::sin(static_cast<double>(w)));
    const auto co = static_cast<float>(std::cos(static_cast<double>(w)));
    const float alpha = 0.5f * s;  // a resonance Q of 1
    const float n = 1.0f / (1.0f + alpha);
    const float m = (1.0f + co) * n;
    section.coefficients.b0 = 0.5f * m;
    section.coefficients.b1 = -m;
    section.coefficients.a1 = -2.0f * co * n;
    section.coefficients.a2 = (1.0f - alpha) * n;
    cleared = false;
}

void LoCutFilter::reset()
{
    section.clearHistory();
    cleared = false;
}

}  // namespace fendwick
