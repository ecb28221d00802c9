// Synthesising the demo signal.
#include "demo_signal.h"

#include "noise_generator.h"

#include <algorithm>
#include <cmath>

namespace fendwick {
namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr double kBeatSeconds = 0.5;
constexpr double kPeakLevel = 0.891;  // -1 dBFS
// A2, C3, E3, G3: A minor seventh.
constexpr double kChordHz[] = {110.0, 130.81, 164.81, 196.0};
// Right channel's detune, for width.
constexpr double kDetuneHz = 0.35;

// A falling sine, 120 Hz sweeping down to 45 Hz, decaying to nothing at the
// next kick `periodSeconds` later.
double kick(double t, double periodSeconds)
{
    const double phase = kTwoPi * (45.0 * t + (120.0 - 45.0) * 0.03 * (1.0 - std::exp(-t / 0.03)));
    return std::sin(phase) * std::exp(-t / 0.35) * (1.0 - t / periodSeconds);
}

double snare(double t, double noise)
{
    return 0.6 * noise * std::exp(-t / 0.09) + 0.4 * std::sin(kTwoPi * 190.0 * t) * std::exp(-t / 0.05);
}

double hat(double t, double brightNoise)
{
    return brightNoise * std::exp(-t / 0.025);
}

// Linear up to the knee, then bending smoothly toward full scale: the sum
// gets the dense peaks of a mastered mix instead of rare coincident spikes.
double softClip(double x)
{
    constexpr double kKnee = 0.6;
    const double magnitude = std::fabs(x);
    if (magnitude <= kKnee) {
        return x;
    }
    const double bent = kKnee + (1.0 - kKnee) * std::tanh((magnitude - kKnee) / (1.0 - kKnee));
    return x < 0.0 ? -bent : bent;
}

// Four harmonics per note, swelling in over 0.4 s.
double chord(double t, double detuneHz)
{
    double sum = 0.0;
    for (const double rootHz : kChordHz) {
        const double hz = rootHz + detuneHz;
        for (int harmonic = 1; harmonic <= 4; ++harmonic) {
            sum += std::sin(kTwoPi * hz * harmonic * t) / harmonic;
        }
    }
    return sum * (1.0 - std::exp(-t / 0.4));
}

}  // namespace

AudioBuffer makeDemoSignal(double sampleRateHz, double seconds)
{
    const auto frames = static_cast<size_t>(std::llround(sampleRateHz * seconds));
    AudioBuffer signal(2, frames);
    NoiseGenerator snareNoise(0x510E527Fu);
    NoiseGenerator hatNoise(0x9B05688Cu);
    double previousHatNoise = 0.0;
    for (size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / sampleRateHz;
        // Kick on one and three, snare on two and four, hats on every eighth.
        const double sinceKick = std::fmod(t, 2.0 * kBeatSeconds);
        const double sinceSnare = t < kBeatSeconds ? -1.0 : std::fmod(t - kBeatSeconds, 2.0 * kBeatSeconds);
        const double sinceEighth = std::fmod(t, kBeatSeconds / 2.0);
        // A first difference of white noise leans toward the highs.
        const double white = static_cast<double>(hatNoise.next());
        const double bright = 0.5 * (white - previousHatNoise);
        previousHatNoise = white;
        const double snareNoiseSample = static_cast<double>(snareNoise.next());
        const double snareHit = sinceSnare >= 0.0 ? snare(sinceSnare, snareNoiseSample) : 0.0;
        const double drums = kick(sinceKick, 2.0 * kBeatSeconds) + 0.6 * snareHit;
        const double hats = 0.25 * hat(sinceEighth, bright);
        const double left = drums + 0.6 * hats + 0.04 * chord(t, 0.0);
        const double right = drums + 1.0 * hats + 0.04 * chord(t, kDetuneHz);
        signal.channel(0)[i] = static_cast<float>(softClip(left));
        signal.channel(1)[i] = static_cast<float>(softClip(right));
    }
    float peak = 0.0f;
    for (int c = 0; c < 2; ++c) {
        for (size_t i = 0; i < frames; ++i) {
            peak = std::max(peak, std::fabs(signal.channel(c)[i]));
        }
    }
    const float scale = peak > 0.0f ? static_cast<float>(kPeakLevel) / peak : 1.0f;
    for (int c = 0; c < 2; ++c) {
        for (size_t i = 0; i < frames; ++i) {
            signal.channel(c)[i] *= scale;
        }
    }
    return signal;
}

}  // namespace fendwick
