// The least fraction of a magnitude a channel's detectors keep over a run
// of steps: the frame loop skips looking for denormals in the detectors'
// values on the strength of it, so it must bound every value they reach.
#include "character_channel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>

namespace fendwick {
namespace {

// The smallest value above 0.0 the detectors of ch hold.
float smallestHeld(const CharacterChannel& ch)
{
    const float held[] = {ch.level.fastEnvelope(), ch.level.slowEnvelope(), ch.character.fastPeak(),
                          ch.character.slowPeak(),  ch.limiter.peak(0),      ch.limiter.peak(1),
                          ch.limiter.peak(2)};
    float smallest = std::numeric_limits<float>::infinity();
    for (float v : held) {
        smallest = v > 0.0f ? std::min(smallest, v) : smallest;
    }
    return smallest;
}

TEST(CharacterChannel, NoDetectorValueFallsBelowTheLeastKeptFraction)
{
    constexpr int32_t kSteps = 64;
    constexpr float kMagnitude = 0.001f;
    for (const float rate : {8000.0f, 44100.0f, 192000.0f}) {
        for (const float attack : {0.0f, 0.5f, 1.0f}) {
            for (const float release : {0.0f, 1.0f}) {
                for (const float releaseMode : {0.0f, 1.0f}) {
                    CharacterChannel ch;
                    ch.setSampleRate(rate);
                    ch.level.setAttack(attack);
                    ch.level.setRelease(release);
                    ch.level.setReleaseMode(releaseMode);
                    const double least = ch.leastKeptOver(kSteps);
                    const std::string what = "rate " + std::to_string(rate) + ", attack " + std::to_string(attack) +
                                             ", release " + std::to_string(release) + ", mode " +
                                             std::to_string(releaseMode);
                    ASSERT_GT(least, 0.0) << what;
                    // A rise from silence toward the magnitude, then falls only.
                    for (int32_t k = 0; k < kSteps; ++k) {
                        const float x = k == 0 ? kMagnitude : 0.0f;
                        ch.level.step(x);
                        ch.character.step(x);
                        ch.limiter.step(x);
                        EXPECT_GE(smallestHeld(ch), kMagnitude * least * (1.0 - 1e-6)) << what << ", step " << k;
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace fendwick
