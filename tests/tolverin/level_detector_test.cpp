// The character line's level detector: attack and release times over their
// ranges, the automatic release, and what NaN and reset leave in it.
#include "level_detector.h"

#include <gtest/gtest.h>

#include <limits>

namespace fendwick {
namespace {

// 40 kHz makes every time a whole number of samples.
constexpr float kRateHz = 40000.0f;

LevelDetector makeDetector(float attack, float release, float arc)
{
    LevelDetector d;
    d.setSampleRate(kRateHz);
    d.setAttack(attack);
    d.setRelease(release);
    d.setReleaseMode(arc);
    return d;
}

float run(LevelDetector& d, float x, int samples)
{
    float level = 0.0f;
    for (int i = 0; i < samples; ++i) {
        level = d.step(x);
    }
    return level;
}

// A step closes 60 % of the gap in the attack time (0.4 to 75 ms); with
// manual release the level halves in the release time (5 to 500 ms).
TEST(LevelDetector, ManualAttackAndReleaseTakeTheirTimes)
{
    const struct { float attack; float release; int attackSamples; int releaseSamples; } cases[] = {
        {0.0f, 0.0f, 16, 200}, {1.0f, 1.0f, 3000, 20000}, {0.5f, 0.5f, 762, 5120}};
    for (const auto& c : cases) {
        LevelDetector d = makeDetector(c.attack, c.release, 0.0f);
        EXPECT_NEAR(run(d, -1.0f, c.attackSamples), 0.6f, 1e-4f) << c.attack;
        run(d, 1.0f, 40 * c.attackSamples);
        EXPECT_NEAR(run(d, 0.0f, c.releaseSamples), 0.5f, 5e-4f) << c.release;
        EXPECT_EQ(d.slowEnvelope(), 0.0f);
    }
}

// Automatic release: the level is the mean of a 10 ms and a 100 ms envelope,
// whatever Release says.
TEST(LevelDetector, AutomaticReleaseIgnoresReleaseTime)
{
    for (const float release : {0.0f, 0.5f, 1.0f}) {
        LevelDetector d = makeDetector(0.0f, release, 0.5f);
        run(d, 1.0f, 1000);
        run(d, 0.0f, 400);
        EXPECT_NEAR(d.fastEnvelope(), 0.5f, 1e-4f) << release;
        run(d, 0.0f, 3600);
        EXPECT_NEAR(d.slowEnvelope(), 0.5f, 1e-4f) << release;
    }
}

// NaN steps as 0.0 does: the release is the else branch. Reset empties the
// envelopes and keeps the times.
TEST(LevelDetector, NanActsAsSilenceAndResetKeepsTimes)
{
    for (const float arc : {0.0f, 1.0f}) {
        LevelDetector withNan = makeDetector(0.3f, 0.2f, arc);
        LevelDetector withZero = makeDetector(0.3f, 0.2f, arc);
        for (int i = 0; i < 4000; ++i) {
            const bool gap = i % 5 == 0 || i > 3000;
            const float x = gap ? 0.0f : (i % 2 == 0 ? 1024.0f : -1.0e-3f);
            const float fed = gap ? std::numeric_limits<float>::quiet_NaN() : x;
            EXPECT_EQ(withNan.step(fed), withZero.step(x)) << i;
        }
        withNan.reset();
        LevelDetector fresh = makeDetector(0.3f, 0.2f, arc);
        for (const float x : {0.5f, 0.0f, 0.25f}) {
            EXPECT_EQ(withNan.step(x), fresh.step(x)) << arc;
        }
    }
}

}  // namespace
}  // namespace fendwick
