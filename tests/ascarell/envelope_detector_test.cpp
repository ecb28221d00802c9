// The level detector against its formulas: mappings, coefficients, release
// modes and reset.
#include "envelope_detector.h"

#include <gtest/gtest.h>

#include <cmath>

namespace fendwick {
namespace {

EnvelopeDetector makeDetector(float attack, float release, float knee, float arc, float rateHz = 44100.0f)
{
    EnvelopeDetector d;
    d.setSampleRate(rateHz);
    d.setAttack(attack);
    d.setRelease(release);
    d.setKnee(knee);
    d.setReleaseMode(arc);
    return d;
}

TEST(EnvelopeDetectorMappings, AttackAndReleaseRunOverTheirRanges)
{
    EnvelopeDetector d = makeDetector(0.0f, 0.0f, 0.0f, 0.0f);
    EXPECT_EQ(d.attackUnits(), 8);
    EXPECT_EQ(d.releaseMs(), 5);
    d.setAttack(1.0f);
    d.setRelease(1.0f);
    EXPECT_EQ(d.attackUnits(), 1500);
    EXPECT_EQ(d.releaseMs(), 500);
    d.setAttack(0.5f);  // 0.25 x 1492 + 8 = 381
    d.setRelease(0.5f);  // 0.25 x 495 + 5 = 128.75, truncated
    EXPECT_EQ(d.attackUnits(), 381);
    EXPECT_EQ(d.releaseMs(), 128);
}

TEST(EnvelopeDetectorMappings, CoefficientsFollowHalfLivesAndSixtyPercentAttack)
{
    const float rate = 48000.0f;
    EnvelopeDetector d = makeDetector(0.0f, 1.0f, 0.0f, 0.0f, rate);
    EXPECT_FLOAT_EQ(d.releaseCoefficient(), static_cast<float>(std::pow(0.5, 1.0 / (500 * 48000.0 * 0.001))));
    EXPECT_FLOAT_EQ(d.fastReleaseCoefficient(), static_cast<float>(std::pow(0.5, 1.0 / 480.0)));
    EXPECT_FLOAT_EQ(d.slowReleaseCoefficient(), static_cast<float>(std::pow(0.5, 1.0 / 4800.0)));
    EXPECT_FLOAT_EQ(d.attackCoefficient(), static_cast<float>(std::pow(0.4, 1.0 / (8 * 48000.0 * 0.00005))));
}

TEST(EnvelopeDetectorMappings, SampleRateChangeRecomputesFromStoredUnits)
{
    EnvelopeDetector d = makeDetector(0.3f, 0.3f, 0.0f, 0.0f, 44100.0f);
    const int32_t units = d.attackUnits();
    const float attack44 = d.attackCoefficient();
    d.setSampleRate(96000.0f);
    EXPECT_EQ(d.attackUnits(), units);
    EXPECT_GT(d.attackCoefficient(), attack44);
    EXPECT_FLOAT_EQ(d.attackCoefficient(),
                    static_cast<float>(std::pow(0.4, 1.0 / (units * 96000.0 * 0.00005))));
}

TEST(EnvelopeDetectorRelease, ManualReleaseHalvesTheEnvelopeInReleaseMs)
{
    const float rate = 10000.0f;
    EnvelopeDetector d = makeDetector(0.0f, 0.0f, 0.0f, 0.0f, rate);  // 5 ms release
    // Attack to about 1.0 with a long loud run.
    for (int i = 0; i < 2000; ++i) {
        d.detect(1.0f);
    }
    const float peak = d.state().env1;
    for (int i = 0; i < 50; ++i) {  // 5 ms at 10 kHz
        d.detect(0.0f);
    }
    EXPECT_NEAR(d.state().env1 / peak, 0.5f, 1e-4f);
    EXPECT_EQ(d.state().env2, 0.0f);
}

TEST(EnvelopeDetectorRelease, AutomaticReleaseRunsTwoEnvelopesAndAveragesThem)
{
    const float rate = 10000.0f;
    EnvelopeDetector d = makeDetector(0.0f, 0.0f, 0.0f, 1.0f, rate);
    float level = 0.0f;
    for (int i = 0; i < 2000; ++i) {
        level = d.detect(0.8f);
    }
    EXPECT_NEAR(d.state().env2, 0.8f, 1e-5f);
    EXPECT_NEAR(level, 0.8f, 1e-5f);
    for (int i = 0; i < 100; ++i) {  // 10 ms: the fast envelope halves
        level = d.detect(0.0f);
    }
    EXPECT_NEAR(d.state().env1, 0.4f, 1e-4f);
    EXPECT_GT(d.state().env2, 0.7f);
    EXPECT_FLOAT_EQ(level, (d.state().env1 + d.state().env2) * 0.5f);
}

TEST(EnvelopeDetectorAttack, AStepClosesSixtyPercentOfTheGapInTheAttackTime)
{
    const float rate = 40000.0f;
    EnvelopeDetector d = makeDetector(0.5f, 0.0f, 0.0f, 0.0f, rate);  // 381 units = 19.05 ms
    const int samples = static_cast<int>(std::lround(d.attackUnits() * 0.00005 * static_cast<double>(rate)));
    float level = 0.0f;
    for (int i = 0; i < samples; ++i) {
        level = d.detect(1.0f);
    }
    EXPECT_NEAR(level, 0.6f, 2e-3f);
}

TEST(EnvelopeDetectorState, ResetClearsEnvelopesAndKeepsCoefficients)
{
    EnvelopeDetector d = makeDetector(0.2f, 0.4f, 0.3f, 1.0f);
    const float attack = d.attackCoefficient();
    const float release = d.releaseCoefficient();
    for (int i = 0; i < 100; ++i) {
        d.detect(0.9f);
    }
    d.reset();
    EXPECT_EQ(d.state().env1, 0.0f);
    EXPECT_EQ(d.state().env2, 0.0f);
    EXPECT_EQ(d.state().lastInput, 0.0f);
    EXPECT_EQ(d.attackCoefficient(), attack);
    EXPECT_EQ(d.releaseCoefficient(), release);

    EnvelopeDetector fresh = makeDetector(0.2f, 0.4f, 0.3f, 1.0f);
    for (float x : {0.1f, -0.7f, 0.3f, 0.0f}) {
        EXPECT_EQ(d.detect(x), fresh.detect(x));
    }
}

TEST(EnvelopeDetectorState, DenormalEnvelopesAreFlushed)
{
    EnvelopeDetector d = makeDetector(0.0f, 0.0f, 0.0f, 0.0f);
    d.setState({1e-37f, 0.0f, 0.0f, 0.0f});
    for (int i = 0; i < 5000; ++i) {
        d.detect(0.0f);
        ASSERT_TRUE(d.state().env1 == 0.0f || std::isnormal(d.state().env1));
    }
    EXPECT_EQ(d.state().env1, 0.0f);
}

}  // namespace
}  // namespace fendwick
