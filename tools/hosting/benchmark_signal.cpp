// Building the benchmark signal.
#include "benchmark_signal.h"

#include "noise_generator.h"

#include <cmath>

namespace fendwick {
namespace {

constexpr double kTwoPi = 6.283185307179586;

}  // namespace

AudioBuffer makeBenchmarkSignal(double sampleRateHz, double seconds, int channels)
{
    const auto frames = static_cast<size_t>(std::llround(sampleRateHz * seconds));
    AudioBuffer signal(channels, frames);
    const double peak = std::pow(10.0, kBenchmarkPeakDb / 20.0);
    const double floor = std::pow(10.0, kBenchmarkFloorDb / 20.0);
    const double radiansPerFrame = kTwoPi * kBenchmarkEnvelopeHz / sampleRateHz;
    for (int c = 0; c < channels; ++c) {
        NoiseGenerator noise(0x6A09E667u + 0x9E3779B9u * static_cast<uint32_t>(c));
        float* out = signal.channel(c);
        for (size_t i = 0; i < frames; ++i) {
            const double rise = 0.5 - 0.5 * std::cos(radiansPerFrame * static_cast<double>(i));
            out[i] = static_cast<float>(static_cast<double>(noise.next()) * (floor + (peak - floor) * rise));
        }
    }
    return signal;
}

}  // namespace fendwick
