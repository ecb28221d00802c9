// The silence gate at its edges: the bound, the 100th and 101st quiet frame,
// the four-frame form and idle runs against the frame-by-frame one.
#include "silence_gate.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

namespace fendwick {
namespace {

TEST(SilenceGate, NearSilentIsStrictlyInsideTheBound)
{
    const float bound = SilenceGate::kSilenceBound;
    const struct {
        float x;
        bool quiet;
    } cases[] = {
        {0.0f, true},
        {-0.0f, true},
        {std::nextafter(bound, 0.0f), true},
        {-std::nextafter(bound, 0.0f), true},
        {bound, false},
        {-bound, false},
        {std::numeric_limits<float>::infinity(), false},
        {std::numeric_limits<float>::quiet_NaN(), false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SilenceGate::nearSilent<uint32_t>(c.x), c.quiet) << c.x;
    }
}

TEST(SilenceGate, MutesOnTheHundredAndFirstQuietFrameAndReopensAtOnce)
{
    SilenceGate gate(0, 1);
    for (int frame = 1; frame <= 100; ++frame) {
        ASSERT_TRUE(gate.step(true)) << frame;
        ASSERT_EQ(gate.silenceCount(), frame);
    }
    EXPECT_FALSE(gate.step(true));
    EXPECT_EQ(gate.silenceCount(), 110);
    EXPECT_EQ(gate.processingActive(), 0);
    EXPECT_FALSE(gate.step(true));
    EXPECT_EQ(gate.silenceCount(), 110);

    EXPECT_TRUE(gate.step(false));
    EXPECT_EQ(gate.silenceCount(), 0);
    EXPECT_EQ(gate.processingActive(), 1);
}

TEST(SilenceGate, FourFramesAtATimeMatchFrameByFrame)
{
    std::mt19937 random(7);
    std::bernoulli_distribution mostlyQuiet(0.97);
    SilenceGate grouped(0, 0);
    SilenceGate single(0, 0);
    int32_t mutedFrames = 0;
    for (int group = 0; group < 5000; ++group) {
        const int32_t count = 1 + group % 4;
        uint32_t quiet = 0;
        uint32_t expected = 0;
        for (int32_t k = 0; k < count; ++k) {
            const bool q = mostlyQuiet(random);
            quiet |= q ? 1u << k : 0u;
            expected |= single.step(q) ? 1u << k : 0u;
            mutedFrames += single.processingActive() == 0 ? 1 : 0;
        }
        ASSERT_EQ(grouped.run(quiet, count), expected) << group;
        ASSERT_EQ(grouped.silenceCount(), single.silenceCount()) << group;
        ASSERT_EQ(grouped.processingActive(), single.processingActive()) << group;
    }
    EXPECT_GT(mutedFrames, 0);
}

TEST(SilenceGate, AnIdleRunOfQuietFramesMatchesFrameByFrame)
{
    // From a gate that starts idle with no count, from one still counting
    // towards idle and from one idle for long, runs that stop short of, reach
    // and pass the 101st quiet frame.
    for (const int32_t start : {0, 1, 50, 99, 100, 110}) {
        for (int32_t n = 1; n <= 64; ++n) {
            SilenceGate run(start, 0);
            SilenceGate single(start, 0);
            ASSERT_TRUE(run.idle());
            run.passIdle(n);
            for (int32_t k = 0; k < n; ++k) {
                ASSERT_FALSE(single.step(true)) << start << " " << n;
            }
            EXPECT_EQ(run.silenceCount(), single.silenceCount()) << start << " " << n;
            EXPECT_EQ(run.processingActive(), single.processingActive()) << start << " " << n;
        }
    }
}

}  // namespace
}  // namespace fendwick
