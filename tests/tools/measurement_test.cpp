// Levels, full-scale counts and measured gain reduction.
#include "gain_reduction.h"
#include "signal_statistics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace fendwick {
namespace {

TEST(SignalStatistics, AccumulatesOverBlocksAndReadsSilenceAsMinusInfinity)
{
    SignalStatistics statistics;
    const float first[] = {0.5f, -1.0f};
    const float second[] = {1.25f, -0.25f};
    statistics.add(first, 2);
    statistics.add(second, 2);
    EXPECT_EQ(statistics.fullScaleCount(), 2u);
    EXPECT_NEAR(statistics.peakDb(), 1.9382, 1e-4);
    EXPECT_DOUBLE_EQ(statistics.rms(), std::sqrt((0.25 + 1.0 + 1.5625 + 0.0625) / 4.0));
    EXPECT_TRUE(std::isinf(SignalStatistics().rmsDb()));
}

TEST(SignalStatistics, CountsNonFiniteSamplesApartWithThePlaceOfTheFirst)
{
    const float infinity = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    SignalStatistics statistics(2);
    // Stereo frames; the first non-finite sample is the right one of frame 3.
    const float first[] = {0.5f, 0.5f, 0.5f, 0.5f};
    const float second[] = {0.5f, 0.5f, 0.5f, nan, -infinity, 0.5f};
    statistics.add(first, 4);
    statistics.add(second, 6);
    EXPECT_EQ(statistics.nonFiniteCount(), 2u);
    EXPECT_EQ(statistics.firstNonFiniteChannel(), 1);
    EXPECT_EQ(statistics.firstNonFiniteFrame(), 3u);
    EXPECT_EQ(statistics.peak(), 0.5f);
    EXPECT_DOUBLE_EQ(statistics.rms(), 0.5);
    EXPECT_EQ(describeNonFinite(statistics, 1000),
              "2 non-finite samples (NaN or infinite), the first at channel 2, frame 3 (0.003 s)");
}

TEST(GainReduction, LargestDropOverWindowsLoudEnoughToCount)
{
    AudioBuffer input(1, 1000);
    AudioBuffer output(1, 1000);
    std::fill(input.channel(0), input.channel(0) + 900, 0.5f);
    std::fill(input.channel(0) + 900, input.channel(0) + 1000, 0.0001f);
    std::fill(output.channel(0), output.channel(0) + 1000, 0.5f);
    // A quarter in window 3 (12.04 dB down); silence after the -80 dBFS window 9, which does not count.
    std::fill(output.channel(0) + 300, output.channel(0) + 400, 0.125f);
    std::fill(output.channel(0) + 900, output.channel(0) + 1000, 0.0f);
    EXPECT_NEAR(largestGainReductionDb(input, 1, output, 1, 100), 12.041, 1e-3);
}

}  // namespace
}  // namespace fendwick
