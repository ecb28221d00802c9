// Minute means, drift and slow minutes drawn from block times given by the test, not measured.
#include "minute_timing.h"

#include <gtest/gtest.h>

#include <functional>

namespace fendwick {
namespace {

constexpr size_t kFramesPerMinute = 10;
constexpr size_t kBlockFrames = 5;

struct TimingCase {
    const char* what;
    size_t minutes;
    // Seconds of block `block` (of two) in minute `minute`.
    std::function<double(size_t minute, size_t block)> seconds;
    double median;
    double worstBlockRatio;
    bool drifts;
    std::vector<size_t> slowMinutes;
};

const TimingCase kCases[] = {
    {"steady for half an hour", 30, [](size_t, size_t) { return 1.0; }, 1.0, 1.0, false, {}},
    {"a third slower by the end", 30, [](size_t m, size_t) { return 1.0 + m / 60.0; }, 1.0 + 14.5 / 60.0,
     (1.0 + 29.0 / 60.0) / (1.0 + 14.5 / 60.0), true, {}},
    {"a tenth slower by the end, inside the limit", 30, [](size_t m, size_t) { return 1.0 + m / 290.0; },
     1.0 + 14.5 / 290.0, (1.0 + 29.0 / 290.0) / (1.0 + 14.5 / 290.0), false, {}},
    {"one minute of denormals", 30, [](size_t m, size_t) { return m == 12 ? 2.0 : 1.0; }, 1.0, 2.0, false, {12}},
    {"one slow block lifts its minute", 30, [](size_t m, size_t b) { return m == 5 && b == 1 ? 10.0 : 1.0; }, 1.0,
     10.0, false, {5}},
    {"slow at the start only, as a cold cache is", 30, [](size_t m, size_t) { return m == 0 ? 1.4 : 1.0; }, 1.0, 1.4,
     false, {}},
    {"a single minute", 1, [](size_t, size_t b) { return b == 0 ? 1.0 : 3.0; }, 2.0, 1.5, false, {}},
    {"two minutes compare their halves", 2, [](size_t m, size_t) { return m == 0 ? 1.0 : 1.3; }, 1.15, 1.3 / 1.15,
     true, {}},
};

TEST(MinuteTiming, MinuteMeansGiveTheMedianDriftAndSlowMinutes)
{
    for (const TimingCase& c : kCases) {
        MinuteTiming timing(kFramesPerMinute);
        for (size_t minute = 0; minute < c.minutes; ++minute) {
            for (size_t block = 0; block < kFramesPerMinute / kBlockFrames; ++block) {
                timing.add(minute * kFramesPerMinute + block * kBlockFrames, c.seconds(minute, block));
            }
        }
        const TimingSummary summary = timing.summary();
        EXPECT_EQ(summary.minutes, c.minutes) << c.what;
        EXPECT_NEAR(summary.medianMinute, c.median, 1e-9) << c.what;
        EXPECT_NEAR(summary.worstBlockRatio, c.worstBlockRatio, 1e-9) << c.what;
        EXPECT_EQ(summary.drifts, c.drifts) << c.what << ": " << summary.driftRatio;
        EXPECT_EQ(summary.slowMinutes, c.slowMinutes) << c.what;
        EXPECT_LE(summary.fastestMinute, summary.medianMinute) << c.what;
        EXPECT_GE(summary.slowestMinute, summary.medianMinute) << c.what;
    }
}

TEST(MinuteTiming, ABlockCountsInTheMinuteItStartsIn)
{
    MinuteTiming timing(kFramesPerMinute);
    // Starts in minute 0 and runs into minute 1.
    timing.add(kFramesPerMinute - 1, 4.0);
    timing.add(kFramesPerMinute, 1.0);
    const TimingSummary summary = timing.summary();
    EXPECT_EQ(summary.minutes, 2u);
    EXPECT_EQ(summary.slowestMinute, 4.0);
    EXPECT_EQ(summary.fastestMinute, 1.0);
    EXPECT_EQ(MinuteTiming(kFramesPerMinute).summary().minutes, 0u) << "nothing added, nothing summed";
}

}  // namespace
}  // namespace fendwick
