// The character compressor's level detector of one channel: attack, manual
// release, or the automatic two-speed release (ARC).
#pragma once

#include "envelope_follower.h"
#include "envelope_timing.h"
#include "pair_mean.h"
#include "scalar_lanes.h"

#include <cstdint>

namespace fendwick {

// Follows the magnitude of one channel's samples in linear amplitude. With
// manual release (ARC below 0.5) one envelope falls with the Release time;
// with automatic release the level is the mean of an envelope that halves in
// 10 ms and one that halves in 100 ms, both rising with the same attack, and
// Release has no effect. Unlike the clean line's detector it has no knee.
// Setters run on any thread and store coefficients at once; step runs on the
// audio thread. reset clears the envelopes and keeps the coefficients. Made
// at 44100 Hz with an attack of 20 units (1 ms), a release of 75 ms and
// automatic release, its coefficients computed for those.
class LevelDetector {
public:
    LevelDetector() { timing.setSampleRate(44100.0f); }

    float step(float x)
    {
        const float a = x < 0.0f ? -x : x;
        if (arc < 0.5f) {
            env1 = followEnvelope(env1, a, timing.attack(), timing.release());
            env2 = 0.0f;
            return env1;
        }
        env1 = followEnvelope(env1, a, timing.attack(), timing.fastRelease());
        env2 = followEnvelope(env2, a, timing.attack(), timing.slowRelease());
        float level;
        meanOfPair<ScalarLanes>(env1, env2, level);
        return level;
    }

    void setSampleRate(float rateHz) { timing.setSampleRate(rateHz); }
    void setAttack(float x) { timing.setAttack(x); }
    void setRelease(float x) { timing.setRelease(x); }
    void setReleaseMode(float x) { arc = x; }
    void reset() { env1 = env2 = 0.0f; }

    // Takes the envelopes of a copy that a frame loop stepped and keeps this
    // detector's coefficients, which a setter may have changed meanwhile.
    void keepEnvelopesOf(const LevelDetector& worked)
    {
        env1 = worked.env1;
        env2 = worked.env2;
    }

    // The envelopes a lane loop worked out, keeping the coefficients.
    void keepEnvelopes(float fast, float slow)
    {
        env1 = fast;
        env2 = slow;
    }

    const EnvelopeTiming& coefficients() const { return timing; }
    bool manualRelease() const { return arc < 0.5f; }
    float fastEnvelope() const { return env1; }
    float slowEnvelope() const { return env2; }

private:
    float env1 = 0.0f;  // the envelope, or the 10 ms one with automatic release
    float env2 = 0.0f;  // the 100 ms envelope of the automatic release; 0 otherwise
    EnvelopeTiming timing;
    float arc = 1.0f;  // below 0.5 manual release, else automatic
};

}  // namespace fendwick
