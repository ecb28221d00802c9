// The stages around the three-band character line's band compressors: the
// switched low cut, the band Type gain, the SonicFilter and the output stage.
#include "band_type_gain.h"
#include "output_stage.h"
#include "sonic_filter.h"
#include "switched_lo_cut.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace fendwick {
namespace {

float sine(float amplitude, int i) { return amplitude * static_cast<float>(std::sin(0.142 * i)); }

// Off passes samples as they are; the first after switching off clears the
// history once, so that switching on again starts as a fresh filter.
TEST(SwitchedLoCut, PassesWhenOffAndRestartsFromSilenceWhenOnAgain)
{
    SwitchedLoCut cut;
    EXPECT_EQ(cut.step(0.3f), 0.3f);
    cut.setSwitch(0.5f);
    const float filtered = cut.step(0.5f);
    EXPECT_NE(filtered, 0.5f);
    cut.step(0.5f);
    cut.setSwitch(0.49f);
    EXPECT_FALSE(cut.historyCleared());
    EXPECT_EQ(cut.step(0.25f), 0.25f);
    EXPECT_TRUE(cut.historyCleared());
    cut.setSwitch(1.0f);
    EXPECT_EQ(cut.step(0.5f), filtered);
}

TEST(BandTypeGain, Type0LiftsGainsBelowUnityAndType1KeepsThem)
{
    const struct { float type; float g; float h; } cases[] = {
        {0.0f, 0.5f, 0.575f}, {0.49f, 0.5f, 0.575f}, {0.0f, 1.0f, 1.0f}, {0.5f, 0.5f, 0.5f}, {1.0f, 0.25f, 0.25f}};
    for (const auto& c : cases) {
        EXPECT_FLOAT_EQ(bandTypeGain(c.type, c.g), c.h) << c.type << " " << c.g;
    }
    EXPECT_EQ(bandTypeGain(0.0f, 1.0f), 1.0f);
}

// A fresh stage's first sample is its own level F: the shaped sample at
// F = 0.5 of the curve the settings pick, bounds taking the upper curve.
TEST(SonicFilter, SettingsPickTheirCurveAtTheirBounds)
{
    const struct { float curve; float curveSet; float shapedHalf; } cases[] = {
        {0.0f, 0.0f, 0.565625f},    {0.333332f, 0.0f, 0.565625f}, {0.333333f, 0.0f, 0.5875f},
        {0.666665f, 0.0f, 0.5875f}, {0.666666f, 0.0f, 0.61953125f}, {0.5f, 1.0f, 0.65f},
        {0.5f, 0.49f, 0.5875f},     {0.0f, 0.5f, 0.5984375f},     {1.0f, 1.0f, 0.659375f}};
    for (const auto& c : cases) {
        SonicFilter stage;
        stage.setCurve(c.curve);
        stage.setCurveSet(c.curveSet);
        EXPECT_FLOAT_EQ(stage.step(-0.5f), -c.shapedHalf) << c.curve << " " << c.curveSet;
    }
}

// Bright Normal lifts a steady low level by close to 1.15 times; silence
// and levels from 0.999999 up pass at unity.
TEST(SonicFilter, LowLevelsLiftFullScaleAndSilencePass)
{
    SonicFilter low;
    float shaped = 0.0f;
    for (int i = 0; i < 4410; ++i) {
        shaped = low.step(0.01f);
    }
    EXPECT_GT(shaped / 0.01f, 1.149f);
    EXPECT_LE(shaped / 0.01f, 1.15f);
    for (const float u : {0.0f, 0.999999f, 1.0f, -1.5f}) {
        EXPECT_EQ(SonicFilter().step(u), u) << u;
    }
}

// One sample into a fresh stage: the level alone with the limiter off (no
// clamp, no ceiling); with it on, the clamp, the ceiling, and every product
// flushed, the one with the ceiling included.
TEST(OutputStage, LevelLimiterClampAndCeilingAtTheirEdges)
{
    const float smallestNormal = 1.17549435e-38f;
    const struct { float outLevel; float limiter; float ceiling; float shaped; float output; float gain; } cases[] = {
        {0.5f, 0.49f, 0.5f, 1.5f, 1.5f, 1.0f}, {1.0f, 0.0f, 0.5f, 0.75f, 1.5f, 1.0f},
        {0.0f, 0.0f, 1.0f, 0.9f, 0.0f, 1.0f}, {0.25f, 0.0f, 1.0f, smallestNormal, 0.0f, 1.0f},
        {0.5f, 0.5f, 1.0f, 0.3f, 0.3f, 1.0f}, {0.5f, 0.5f, 0.5f, 0.3f, 0.15f, 1.0f},
        {0.5f, 1.0f, 1.0f, 1.05f, 0.999999f, 1.0f}, {0.5f, 1.0f, 1e-10f, 1e-30f, 0.0f, 1.0f}};
    for (const auto& c : cases) {
        OutputStage stage;
        stage.setOutLevel(c.outLevel);
        stage.setLimiter(c.limiter);
        stage.setCeiling(c.ceiling);
        const OutputSample o = stage.step(c.shaped);
        EXPECT_EQ(o.output, c.output) << c.outLevel << " " << c.limiter << " " << c.ceiling << " " << c.shaped;
        EXPECT_EQ(o.limiterGain, c.gain);
    }
}

// Loud sines never pass 0.999999 times the ceiling, the gain meter sees the
// limiter working, and a ceiling of 0.5 halves every sample.
TEST(OutputStage, LimiterHoldsLoudSignalsUnderTheCeiling)
{
    for (const float amplitude : {1.0f, 2.0f, 8.0f}) {
        OutputStage full;
        OutputStage half;
        full.setLimiter(1.0f);
        half.setLimiter(1.0f);
        half.setCeiling(0.5f);
        float peak = 0.0f;
        float lowestGain = 1.0f;
        for (int i = 0; i < 44100; ++i) {
            const OutputSample o = full.step(sine(amplitude, i));
            ASSERT_EQ(half.step(sine(amplitude, i)).output, 0.5f * o.output) << i;
            peak = std::max(peak, std::fabs(o.output));
            lowestGain = std::min(lowestGain, o.limiterGain);
        }
        EXPECT_LE(peak, 0.999999f) << amplitude;
        EXPECT_GT(peak, 0.85f) << amplitude;
        EXPECT_LT(lowestGain, 1.0f) << amplitude;
    }
}

}  // namespace
}  // namespace fendwick
