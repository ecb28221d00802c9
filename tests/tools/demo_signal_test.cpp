// The demo's music: stereo, peaking at -1 dBFS, with hits well above a quieter bed.
#include "demo_signal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace fendwick {
namespace {

double rmsDb(const float* samples, size_t count)
{
    double sum = 0.0;
    for (size_t i = 0; i < count; ++i) {
        const auto sample = static_cast<double>(samples[i]);
        sum += sample * sample;
    }
    return 10.0 * std::log10(sum / static_cast<double>(count));
}

TEST(DemoSignal, StereoPeakingAtMinusOneDbfsWithKicksWellAboveTheBed)
{
    const AudioBuffer signal = makeDemoSignal(44100.0, 2.0);
    ASSERT_EQ(signal.channels(), 2);
    ASSERT_EQ(signal.frames(), 88200u);
    float peak = 0.0f;
    size_t sameSamples = 0;
    for (size_t i = 0; i < signal.frames(); ++i) {
        peak = std::max({peak, std::fabs(signal.channel(0)[i]), std::fabs(signal.channel(1)[i])});
        sameSamples += signal.channel(0)[i] == signal.channel(1)[i] ? 1 : 0;
    }
    EXPECT_NEAR(20.0 * std::log10(static_cast<double>(peak)), -1.0, 0.01);
    EXPECT_LT(sameSamples, signal.frames() / 10) << "the channels should differ";
    // 50 ms after the kick on beat one against 50 ms just before beat two's snare.
    const double kick = rmsDb(signal.channel(0), 2205);
    EXPECT_GT(kick, -8.0);
    EXPECT_GT(kick - rmsDb(signal.channel(0) + 22050 - 2205, 2205), 9.0);
}

}  // namespace
}  // namespace fendwick
