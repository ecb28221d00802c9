// The stages around the character compressor's core: the low cut, the
// stereo enhancer, the softened gains and the peak limiter with its ceiling.
#include "gain_softening.h"
#include "limiter_detector.h"
#include "lo_cut_filter.h"
#include "peak_limiter.h"
#include "stereo_enhancer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace fendwick {
namespace {

float sine(float amplitude, float hz, float rateHz, int i)
{
    return amplitude * static_cast<float>(std::sin(6.283185307179586 * hz * i / rateHz));
}

// DC dies away, a tone well above 75 Hz passes, one well below is cut, at
// every rate (down to where the cutoff is held under half the rate).
TEST(LoCutFilter, CutsDcAndLowTonesAndPassesTheRest)
{
    const struct { float rateHz; float toneHz; float lowest; float highest; } cases[] = {
        {44100.0f, 0.0f, 0.0f, 1e-4f},    {48000.0f, 0.0f, 0.0f, 1e-4f},  {44100.0f, 1000.0f, 0.99f, 1.01f},
        {96000.0f, 2000.0f, 0.99f, 1.01f}, {44100.0f, 15.0f, 0.0f, 0.05f}, {100.0f, 10.0f, 0.0f, 1.5f}};
    for (const auto& c : cases) {
        LoCutFilter f;
        f.setSampleRate(c.rateHz);
        float peak = 0.0f;
        const int samples = static_cast<int>(c.rateHz) * 2;
        for (int i = 0; i < samples; ++i) {
            const float y = f.step(c.toneHz == 0.0f ? 1.0f : sine(1.0f, c.toneHz, c.rateHz, i));
            peak = i > samples / 2 ? std::max(peak, std::fabs(y)) : 0.0f;
        }
        EXPECT_GE(peak, c.lowest) << c.rateHz << " " << c.toneHz;
        EXPECT_LE(peak, c.highest) << c.rateHz << " " << c.toneHz;
    }
}

// After filtering, the first bypassed sample empties the history, so the
// filter starts again as a fresh one would; reset leaves that to the next
// bypass, and a filtered sample re-arms it.
TEST(LoCutFilter, RestartsClearedAfterBypassAndReset)
{
    LoCutFilter fresh;
    LoCutFilter f;
    for (int i = 0; i < 1000; ++i) {
        f.step(0.5f);
    }
    EXPECT_FALSE(f.historyCleared());
    f.bypass();
    EXPECT_TRUE(f.historyCleared());
    for (const float x : {0.5f, -0.25f, 0.75f}) {
        EXPECT_EQ(f.step(x), fresh.step(x));
    }
    f.reset();
    EXPECT_FALSE(f.historyCleared());
    EXPECT_EQ(f.step(0.3f), LoCutFilter().step(0.3f));
}

// Coefficients and the image of a left-only sample at the ends and middle of
// StereoEnh: a blend toward mono below 0.5, a widening above.
TEST(StereoEnhancer, CoefficientsAndImageAcrossTheRange)
{
    const struct { float amount; float d; float c; float e; float g; float left; float right; } cases[] = {
        {0.0f, 0.0f, 0.75f, 0.5f, 0.8f, 0.6f, 0.4f},
        {0.5f, 0.0f, 1.125f, 0.25f, 0.72f, 0.81f, 0.18f},
        {1.0f, 0.25f, 1.75f, 0.0f, 0.64f, 1.12f, -0.28f}};
    for (const auto& c : cases) {
        StereoEnhancer s;
        s.setAmount(c.amount);
        EXPECT_FLOAT_EQ(s.crossfeedFactor(), c.d) << c.amount;
        EXPECT_FLOAT_EQ(s.directFactor(), c.c) << c.amount;
        EXPECT_FLOAT_EQ(s.blendFactor(), c.e) << c.amount;
        EXPECT_FLOAT_EQ(s.outputGain(), c.g) << c.amount;
        const StereoPair out = s.step(1.0f, 0.0f);
        EXPECT_FLOAT_EQ(out.left, c.left) << c.amount;
        EXPECT_FLOAT_EQ(out.right, c.right) << c.amount;
    }
}

// Unity stays exactly unity (in float arithmetic 1.3 - 0.3 falls a step short).
TEST(GainSoftening, UnityStaysExactAndLowerGainsLift)
{
    EXPECT_EQ(reductionGain(1.0f), 1.0f);
    EXPECT_EQ(softLimiterGain(1.0f), 1.0f);
    EXPECT_FLOAT_EQ(reductionGain(0.5f), 0.575f);
    EXPECT_FLOAT_EQ(softLimiterGain(0.5f), 0.5125f);
    EXPECT_EQ(reductionGain(0.0f), 0.0f);
}

// A spike is held by all three peaks for 21 samples, then each falls.
TEST(LimiterDetector, HoldsASpikeTwentyOneSamplesThenFalls)
{
    LimiterDetector d;
    EXPECT_FLOAT_EQ(d.step(0.8f), 0.8f);
    for (int i = 0; i < LimiterDetector::kHoldSamples; ++i) {
        EXPECT_FLOAT_EQ(d.step(0.0f), 0.8f) << i;
    }
    d.step(0.0f);
    for (int p = 0; p < 3; ++p) {
        EXPECT_LT(d.peak(p), 0.8f) << p;
        EXPECT_GT(d.peak(p), 0.79f) << p;
    }
}

// Limited loud sines never pass 0.999999 times the ceiling; a level that the
// detector scales back under 0.97 is bounded by the clamp alone.
TEST(PeakLimiter, OutputStaysUnderTheCeiling)
{
    const struct { float amplitude; float ceiling; } cases[] = {
        {1.0f, 1.0f}, {2.0f, 1.0f}, {1024.0f, 0.5f}, {1.05f, 0.25f}, {0.5f, 1.0f}};
    for (const auto& c : cases) {
        LimiterDetector d;
        float peak = 0.0f;
        for (int i = 0; i < 44100; ++i) {
            const float z = sine(c.amplitude, 997.0f, 44100.0f, i);
            peak = std::max(peak, std::fabs(limitedOutput(limiterGain(d.step(z)), z, c.ceiling)));
        }
        EXPECT_LE(peak, 0.999999f * c.ceiling) << c.amplitude << " " << c.ceiling;
        EXPECT_GE(peak, 0.99f * std::min(c.amplitude, 0.9f) * c.ceiling) << c.amplitude << " " << c.ceiling;
    }
    EXPECT_EQ(limiterGain(0.9f * 1.07f), 1.0f);
    EXPECT_EQ(limitedOutput(1.0f, 1.07f, 1.0f), 0.999999f);
}

}  // namespace
}  // namespace fendwick
