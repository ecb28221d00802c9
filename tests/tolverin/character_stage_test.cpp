// The character stage: which curve each setting picks, the gains the curves
// give, the full-scale rule, and the detector's peaks.
#include "character_curve.h"
#include "character_detector.h"

#include <gtest/gtest.h>

#include <limits>

namespace fendwick {
namespace {

// The gain of each curve at a level of 0.5, worked out by hand.
constexpr float kBrightGain = 1.13125f;
constexpr float kHotGain = 1.175f;
constexpr float kLoudGain = 1.2390625f;
constexpr float kMaxxBrightGain = 1.196875f;
constexpr float kMaxxHotGain = 1.3f;
constexpr float kMaxxLoudGain = 1.31875f;

TEST(CharacterCurve, SettingsPickTheirCurveWithThresholdsTakingTheUpperRow)
{
    const struct { float character; float mode; float gainAtHalf; } cases[] = {
        {0.0f, 0.0f, kBrightGain},        {0.333332f, 0.0f, kBrightGain},   {0.333333f, 0.0f, kHotGain},
        {0.5f, 0.0f, kHotGain},           {0.666665f, 0.499f, kHotGain},    {0.666666f, 0.0f, kLoudGain},
        {1.0f, 0.0f, kLoudGain},          {0.0f, 0.5f, kMaxxBrightGain},    {0.333333f, 0.5f, kMaxxHotGain},
        {0.5f, 1.0f, kMaxxHotGain},       {0.666666f, 1.0f, kMaxxLoudGain},
    };
    for (const auto& c : cases) {
        EXPECT_FLOAT_EQ(characterGain(characterCurveFor(c.character, c.mode), 0.5f), c.gainAtHalf)
            << c.character << " " << c.mode;
    }
}

TEST(CharacterCurve, FullScaleSilenceAndNanKeepUnityGain)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (const float mode : {0.0f, 1.0f}) {
        for (const float character : {0.0f, 0.5f, 1.0f}) {
            const CharacterCurve& curve = characterCurveFor(character, mode);
            for (const float v : {0.999999f, 1.0f, 4.0f, 1.0e30f, 0.0f, -0.5f, nan}) {
                EXPECT_EQ(characterGain(curve, v), 1.0f) << character << " " << mode << " " << v;
            }
        }
    }
}

// Near full scale Maxx Hot passes 0.999999, where the cap takes over.
TEST(CharacterCurve, CappedLevelDecidesTheGainNearFullScale)
{
    EXPECT_FLOAT_EQ(characterGain(characterCurveFor(0.5f, 1.0f), 0.9999985f), 0.999999f / 0.9999985f);
}

// A spike is held by both peaks, which then halve in 30 ms and 150 ms (to
// within the rounding of thousands of float steps).
TEST(CharacterDetector, PeaksHalveInTheirHalfLivesAtEveryRate)
{
    for (const float rateHz : {44100.0f, 48000.0f, 96000.0f}) {
        CharacterDetector d;
        d.setSampleRate(rateHz);
        EXPECT_EQ(d.step(-0.8f), 0.8f);
        for (int i = 0; i < static_cast<int>(rateHz * 0.03f); ++i) {
            d.step(0.0f);
        }
        EXPECT_NEAR(d.fastPeak(), 0.4f, 4e-4f) << rateHz;
        for (int i = static_cast<int>(rateHz * 0.03f); i < static_cast<int>(rateHz * 0.15f); ++i) {
            d.step(0.0f);
        }
        EXPECT_NEAR(d.slowPeak(), 0.4f, 4e-4f) << rateHz;
    }
}

}  // namespace
}  // namespace fendwick
