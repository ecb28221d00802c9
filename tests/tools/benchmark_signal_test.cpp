// The shared benchmark signal: fixed, per-channel noise under a 2 Hz envelope peaking near -3 dBFS.
#include "benchmark_signal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace fendwick {
namespace {

double rmsOf(const float* samples, size_t count)
{
    double sum = 0.0;
    for (size_t i = 0; i < count; ++i) {
        const auto sample = static_cast<double>(samples[i]);
        sum += sample * sample;
    }
    return std::sqrt(sum / static_cast<double>(count));
}

TEST(BenchmarkSignal, IsTheSameEveryTimeAndDiffersPerChannel)
{
    const AudioBuffer first = makeBenchmarkSignal(44100.0, 1.0, 2);
    const AudioBuffer again = makeBenchmarkSignal(44100.0, 1.0, 3);
    ASSERT_EQ(first.frames(), 44100u);
    ASSERT_EQ(again.channels(), 3);
    EXPECT_TRUE(std::equal(first.channel(0), first.channel(0) + 44100, again.channel(0)));
    EXPECT_TRUE(std::equal(first.channel(1), first.channel(1) + 44100, again.channel(1)));
    size_t equalSamples = 0;
    for (size_t i = 0; i < 44100; ++i) {
        equalSamples += first.channel(0)[i] == first.channel(1)[i] ? 1 : 0;
    }
    EXPECT_LT(equalSamples, 10u);
}

TEST(BenchmarkSignal, PeaksNearMinus3DbfsAndIsNeverSilent)
{
    const AudioBuffer signal = makeBenchmarkSignal(48000.0, 2.0, 1);
    const float* samples = signal.channel(0);
    float peak = 0.0f;
    for (size_t i = 0; i < signal.frames(); ++i) {
        peak = std::max(peak, std::fabs(samples[i]));
    }
    const double peakDb = 20.0 * std::log10(static_cast<double>(peak));
    EXPECT_LE(peakDb, -3.0);
    EXPECT_GT(peakDb, -3.1);

    // No run long enough for a silence gate: every 100 samples hold a sample above 1e-5.
    for (size_t start = 0; start + 100 <= signal.frames(); start += 100) {
        const float loudest = std::fabs(*std::max_element(samples + start, samples + start + 100,
                                                          [](float a, float b) { return std::fabs(a) < std::fabs(b); }));
        ASSERT_GT(loudest, 1e-5f) << "at frame " << start;
    }
}

TEST(BenchmarkSignal, EnvelopeRisesAndFallsTwiceASecondAtAnyRate)
{
    for (const double rate : {44100.0, 96000.0}) {
        const AudioBuffer signal = makeBenchmarkSignal(rate, 1.0, 1);
        ASSERT_EQ(signal.frames(), static_cast<size_t>(rate));
        const auto window = static_cast<size_t>(rate * 0.02);
        const auto at = [&](double seconds) {
            return rmsOf(signal.channel(0) + static_cast<size_t>(seconds * rate) - window / 2, window);
        };
        // Loud at a quarter and three quarters of a second, quiet between.
        EXPECT_GT(at(0.25), 30.0 * at(0.5)) << rate;
        EXPECT_GT(at(0.75), 30.0 * at(0.5)) << rate;
        EXPECT_NEAR(at(0.25) / at(0.75), 1.0, 0.1) << rate;
    }
}

}  // namespace
}  // namespace fendwick
