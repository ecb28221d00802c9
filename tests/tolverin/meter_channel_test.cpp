// Meters: how often they publish at each rate and after a reset, what a
// window gathers, and bypassed runs counted at once.
#include "meter_channel.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

namespace fendwick {
namespace {

// The samples at which a meter publishes over the first count samples.
std::vector<int32_t> publications(MeterChannel& meter, int32_t interval, int32_t count)
{
    std::vector<int32_t> at;
    for (int32_t i = 1; i <= count; ++i) {
        if (meter.gather(0.5f, interval)) {
            at.push_back(i);
        }
    }
    return at;
}

TEST(MeterChannel, IntervalFollowsTheRateWithAFloor)
{
    const struct { float rateHz; int32_t interval; } cases[] = {
        {44100.0f, 4410}, {48000.0f, 4800}, {96000.0f, 9600}, {22050.0f, 2205}, {8000.0f, 2200}, {3.4e38f, 1000000000}};
    for (const auto& c : cases) {
        EXPECT_EQ(meterIntervalFor(c.rateHz), c.interval) << c.rateHz;
    }
    EXPECT_EQ(kResetMeterInterval, 4410);
}

// A meter publishes once every interval + 1 samples, its first time after
// interval - start + 1; the same from its start again after a reset.
TEST(MeterChannel, PublishesEveryIntervalPlusOneSamples)
{
    const struct { int32_t interval; int32_t start; std::vector<int32_t> at; } cases[] = {
        {4410, 0, {4411, 8822, 13233}},
        {meterIntervalFor(48000.0f), 0, {4801, 9602}},
        {4410, 13, {4398, 8809, 13220}},
        {2200, 36, {2165, 4366}},
    };
    for (const auto& c : cases) {
        MeterChannel meter(MeterKind::level, c.start);
        EXPECT_EQ(publications(meter, c.interval, c.at.back()), c.at) << c.interval << " " << c.start;
        meter.reset();
        EXPECT_EQ(publications(meter, c.interval, c.at.back()), c.at) << c.interval << " " << c.start;
    }
}

// Level meters keep the largest magnitude up to 1.0, gain meters the
// smallest gain; the closing sample and bypassed samples are not gathered,
// NaN never is; each window starts from the rest value.
TEST(MeterChannel, GathersItsExtremeOverOneWindow)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct { MeterKind kind; std::vector<float> first; float skipped; float closing; float published;
                   float rest; } cases[] = {
        {MeterKind::level, {0.2f, nan, 3.0f, 0.1f}, 0.9f, 0.95f, 1.0f, 0.0f},
        {MeterKind::gain, {0.9f, nan, 0.4f, 0.6f}, 0.1f, 0.05f, 0.4f, 1.0f},
    };
    for (const auto& c : cases) {
        MeterChannel meter(c.kind, 0);
        EXPECT_EQ(meter.value(), c.rest);
        const auto interval = static_cast<int32_t>(c.first.size()) + 1;
        for (const float q : c.first) {
            EXPECT_FALSE(meter.gather(q, interval));
        }
        EXPECT_FALSE(meter.skip(interval));
        EXPECT_TRUE(meter.gather(c.closing, interval));
        EXPECT_EQ(meter.value(), c.published);
        for (int32_t i = 0; i < interval; ++i) {
            EXPECT_FALSE(meter.skip(interval));
        }
        EXPECT_TRUE(meter.skip(interval));
        EXPECT_EQ(meter.value(), c.rest);
        meter.reset();
        EXPECT_EQ(meter.value(), c.rest);
    }
}

// A run of bypassed frames counted at once publishes what the frames one by
// one would, in the same order, and leaves every meter where they would:
// meters of staggered starts, runs shorter and longer than their windows,
// windows of one frame and more.
TEST(MeterChannel, ABypassedRunCountsAsItsFramesOneByOne)
{
    constexpr int32_t kMeters = 4;
    for (const int32_t interval : {1, 2, 7, 4410}) {
        MeterChannel byRun[kMeters] = {{MeterKind::gain, 3}, {MeterKind::level, 13}, {MeterKind::level, 0},
                                       {MeterKind::gain, 33}};
        MeterChannel byFrame[kMeters] = {byRun[0], byRun[1], byRun[2], byRun[3]};
        // Each frame passes the meters last to first; what published, in order.
        const auto skipEach = [interval](MeterChannel* meters, std::vector<int32_t>& published) {
            for (int32_t m = kMeters - 1; m >= 0; --m) {
                if (meters[m].skip(interval)) {
                    published.push_back(m);
                }
            }
        };
        for (const int32_t count : {1, 5, 64, 4411, 3, 10000}) {
            std::vector<int32_t> fromRun;
            std::vector<int32_t> fromFrames;
            skipFrames(byRun, kMeters, count, interval, [&] { skipEach(byRun, fromRun); });
            for (int32_t k = 0; k < count; ++k) {
                skipEach(byFrame, fromFrames);
            }
            EXPECT_EQ(fromRun, fromFrames) << interval << " " << count;
            for (int32_t m = 0; m < kMeters; ++m) {
                EXPECT_EQ(byRun[m].framesBeforeDue(interval), byFrame[m].framesBeforeDue(interval))
                    << interval << " " << count << " " << m;
            }
        }
    }
}

}  // namespace
}  // namespace fendwick
