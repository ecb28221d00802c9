// The limiter detector's fall factors and reset.
#include "limiter_detector.h"

#include "envelope_timing.h"

namespace fendwick {

namespace {

// A reset ends every hold: after it the peaks fall from the first quiet sample.
constexpr int32_t kHeldAfterReset = 100;

}  // namespace

LimiterDetector::LimiterDetector()
{
    reset();
    setSampleRate(44100.0f);
}

void LimiterDetector::setSampleRate(float rateHz)
{
    const double samplesPerSecond = rateHz;
    peaks[0].fall = halfLifeFactor(samplesPerSecond * 0.1);
    peaks[1].fall = halfLifeFactor(samplesPerSecond);
    peaks[2].fall = halfLifeFactor(samplesPerSecond * 0.01);
}

void LimiterDetector::reset()
{
    for (HeldPeak& p : peaks) {
        p.level = 0.0f;
        p.held = kHeldAfterReset;
    }
}

}  // namespace fendwick
