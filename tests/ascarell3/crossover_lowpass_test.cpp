// The crossover's low-pass section: cutoff texts, what it passes and
// rejects, stability over the whole range, and what reset and changes keep.
#include "crossover_lowpass.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>

namespace fendwick {
namespace {

CrossoverLowpass makeSection(float x, float rateHz)
{
    CrossoverLowpass s;
    s.setSampleRate(rateHz);
    s.setCutoff(x);
    return s;
}

TEST(CrossoverLowpassCutoff, TextsShowTruncatedHertz)
{
    const struct { float x; int32_t hz; } cases[] = {
        {0.0f, 50}, {0.5f, 1421}, {1.0f, 22000}, {0.314189f, 263}, {0.844594f, 11219}};
    for (const auto& c : cases) {
        EXPECT_EQ(static_cast<int32_t>(CrossoverLowpass::cutoffHzFor(c.x)), c.hz) << c.x;
        EXPECT_EQ(makeSection(c.x, 48000.0f).cutoffHz(), CrossoverLowpass::cutoffHzFor(c.x)) << c.x;
    }
    EXPECT_EQ(CrossoverLowpass::cutoffHzFor(0.5f), 1421.875f);
}

TEST(CrossoverLowpassResponse, PassesDcAndRejectsToneFarAboveCutoff)
{
    const struct { float x; float rateHz; float toneHz; } cases[] = {
        {0.0f, 44100.0f, 5000.0f}, {0.3f, 48000.0f, 10000.0f}, {0.5f, 96000.0f, 30000.0f}};
    for (const auto& c : cases) {
        CrossoverLowpass dc = makeSection(c.x, c.rateHz);
        CrossoverLowpass tone = makeSection(c.x, c.rateHz);
        float dcOut = 0.0f;
        float tonePeak = 0.0f;
        for (int i = 0; i < 20000; ++i) {
            dcOut = dc.step(0.5f);
            const float y = tone.step(static_cast<float>(std::sin(6.283185307179586 * c.toneHz * i / c.rateHz)));
            tonePeak = i > 10000 ? std::max(tonePeak, std::fabs(y)) : 0.0f;
        }
        EXPECT_NEAR(dcOut, 0.5f, 5e-4f) << c.x;  // float coefficients tilt the gain a little
        EXPECT_LT(tonePeak, 0.01f) << c.x;  // beyond 40 dB down
    }
}

// An impulse dies away and noise stays bounded at every rate, up to the top
// of the range, which lies above half the sample rate below 44.1 kHz.
TEST(CrossoverLowpassResponse, StableOverTheWholeRangeAtEveryRate)
{
    for (const float rateHz : {8000.0f, 22050.0f, 44100.0f, 96000.0f}) {
        for (const float x : {0.9f, 0.97f, 1.0f}) {
            CrossoverLowpass s = makeSection(x, rateHz);
            std::mt19937 random(7);
            std::uniform_real_distribution<float> noise(-1.0f, 1.0f);
            float peak = 0.0f;
            for (int i = 0; i < 20000; ++i) {
                peak = std::max(peak, std::fabs(s.step(noise(random))));
            }
            s.step(1.0f);
            float tail = 1.0f;
            for (int i = 0; i < 20000; ++i) {
                tail = s.step(0.0f);
            }
            EXPECT_LT(peak, 4.0f) << rateHz << " " << x;
            EXPECT_LT(std::fabs(tail), 1e-20f) << rateHz << " " << x;
        }
    }
}

// A settled DC level survives what keeps the history and is lost by reset;
// after reset the section runs like a fresh one.
TEST(CrossoverLowpassState, ResetClearsHistoryOnlyAndChangesKeepIt)
{
    const float rateHz = 44100.0f;
    auto settled = [&] {
        CrossoverLowpass s = makeSection(0.4f, rateHz);
        for (int i = 0; i < 20000; ++i) {
            s.step(1.0f);
        }
        return s;
    };
    CrossoverLowpass cutoffChanged = settled();
    cutoffChanged.setCutoff(0.6f);
    EXPECT_NEAR(cutoffChanged.step(1.0f), 1.0f, 1e-4f);
    CrossoverLowpass rateChanged = settled();
    rateChanged.setSampleRate(96000.0f);
    EXPECT_NEAR(rateChanged.step(1.0f), 1.0f, 1e-4f);

    CrossoverLowpass wasReset = settled();
    wasReset.setCutoff(0.6f);
    wasReset.reset();
    CrossoverLowpass fresh = makeSection(0.6f, rateHz);
    for (const float x : {0.8f, -0.3f, 0.0f, 0.25f, 1.0f}) {
        EXPECT_EQ(wasReset.step(x), fresh.step(x));
    }
    EXPECT_GT(std::fabs(fresh.step(0.0f)), 0.0f);
}

}  // namespace
}  // namespace fendwick
