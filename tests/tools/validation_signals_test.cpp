// The battery's signal comparisons and block loop, on which every processing verdict rests.
#include "hosted_plugin.h"
#include "plugin_library.h"
#include "signal_checks.h"

#include <gtest/gtest.h>

#include <limits>

namespace fendwick {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInfinity = std::numeric_limits<float>::infinity();

struct Comparison {
    const char* what;
    float expected;
    float actual;
    float tolerance;
    bool same;
};

const Comparison kComparisons[] = {
    {"equal", 0.25f, 0.25f, 0.0f, true},
    {"one step apart, exact", 0.25f, 0.25000003f, 0.0f, false},
    {"one step apart, within the tolerance", 0.25f, 0.25000003f, 1e-6f, true},
    {"outside the tolerance", 0.25f, 0.25001f, 1e-6f, false},
    {"NaN where NaN was", kNaN, kNaN, 0.0f, true},
    {"NaN where a number was", 0.25f, kNaN, 1e-6f, false},
    {"a number where NaN was", kNaN, 0.25f, 1e-6f, false},
    {"infinity where infinity was, with a tolerance", kInfinity, kInfinity, 1e-6f, true},
    {"the other infinity", kInfinity, -kInfinity, 1e-6f, false},
};

TEST(SignalChecks, OutputDifferenceFindsTheFirstSampleThatDiffers)
{
    for (const Comparison& c : kComparisons) {
        AudioBuffer expected(2, 8);
        AudioBuffer actual(2, 8);
        expected.channel(1)[5] = c.expected;
        actual.channel(1)[5] = c.actual;
        const std::string difference = outputDifference(expected, actual, c.tolerance);
        if (c.same) {
            EXPECT_EQ(difference, "") << c.what;
        } else {
            EXPECT_EQ(difference.rfind("channel 2 frame 5 is ", 0), 0u) << c.what << ": " << difference;
        }
    }
}

TEST(SignalChecks, FirstNonFiniteLooksOnlyFromTheFrameAsked)
{
    AudioBuffer buffer(2, 100);
    buffer.channel(1)[40] = kInfinity;
    buffer.channel(0)[70] = kNaN;
    EXPECT_EQ(firstNonFinite(buffer), 40u);
    EXPECT_EQ(firstNonFinite(buffer, 41), 70u);
    EXPECT_EQ(firstNonFinite(buffer, 71), std::nullopt);
}

// The gain fixture at its first program passes its input through unchanged,
// so any frame the loop skips, repeats or shifts shows.
TEST(SignalChecks, EveryBlockPlanProcessesEachFrameOnce)
{
    const PluginLibrary library(GAIN_FIXTURE_PATH);
    const AudioBuffer input = noiseSignal(1, 5000, 0.5f, 9);
    const std::vector<std::vector<int>> plans = {{1}, {512}, {4096}, {65536}, {1, 700, 64, 5, 333}};
    for (const auto& sizes : plans) {
        for (const bool accumulating : {false, true}) {
            HostedPlugin plugin(library);
            plugin.prepare(44100.0f, 4096);
            const AudioBuffer out = processed(plugin, input, BlockPlan{sizes, accumulating, 0.25f});
            AudioBuffer expected = input;
            for (size_t i = 0; accumulating && i < expected.frames(); ++i) {
                expected.channel(0)[i] += 0.25f;
            }
            EXPECT_EQ(outputDifference(expected, out), "") << sizes.size() << " sizes from " << sizes[0]
                                                           << (accumulating ? ", accumulating" : "");
        }
    }
}

}  // namespace
}  // namespace fendwick
