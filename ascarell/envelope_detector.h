// The level detector of one channel: attack, manual or automatic two-speed
// release, and knee shaping of the detected level.
#pragma once

#include "envelope_follower.h"
#include "envelope_timing.h"
#include "knee_curve.h"

#include <cstdint>

namespace fendwick {

// Setters run on any thread and store coefficients at once; detect runs on
// the audio thread. reset clears the envelopes and keeps the coefficients.
// The coefficients are undefined until the first set of each parameter.
class EnvelopeDetector {
public:
    // What a processing loop reads once per block.
    struct Coefficients {
        float attackCoef;
        float releaseCoef;
        float fastReleaseCoef;
        float slowReleaseCoef;
        float knee;
        bool automaticRelease;
    };

    // What a processing loop carries from sample to sample.
    struct Envelope {
        float env1 = 0.0f;  // main envelope, or the fast one with automatic release
        float env2 = 0.0f;  // slow envelope of the automatic release; 0 otherwise
        float lastInput = 0.0f;
        float lastMagnitude = 0.0f;
    };

    float detect(float x) { return step(coefficients(), envelope, x); }

    // One sample: follows |x| up with the attack, lets it fall by the release
    // factor, and returns the knee-shaped level.
    static float step(const Coefficients& k, Envelope& e, float x)
    {
        e.lastInput = x;
        const float a = x < 0.0f ? -x : x;
        e.lastMagnitude = a;
        float c;
        if (!k.automaticRelease) {
            e.env1 = followEnvelope(e.env1, a, k.attackCoef, k.releaseCoef);
            e.env2 = 0.0f;
            c = e.env1;
        } else {
            e.env1 = followEnvelope(e.env1, a, k.attackCoef, k.fastReleaseCoef);
            e.env2 = followEnvelope(e.env2, a, k.attackCoef, k.slowReleaseCoef);
            c = (e.env1 + e.env2) * 0.5f;
        }
        applyKnee(c, k.knee);
        return c;
    }

    Coefficients coefficients() const
    {
        return {timing.attack(), timing.release(), timing.fastRelease(), timing.slowRelease(), knee, arc >= 0.5f};
    }

    void setSampleRate(float rateHz) { timing.setSampleRate(rateHz); }
    void setAttack(float x) { timing.setAttack(x); }
    void setRelease(float x) { timing.setRelease(x); }
    void setKnee(float value) { knee = value; }
    void setReleaseMode(float value) { arc = value; }
    void reset() { envelope = Envelope{}; }

    const Envelope& state() const { return envelope; }
    void setState(const Envelope& e) { envelope = e; }
    int32_t attackUnits() const { return timing.attackUnits(); }
    int32_t releaseMs() const { return timing.releaseMs(); }
    float attackCoefficient() const { return timing.attack(); }
    float releaseCoefficient() const { return timing.release(); }
    float fastReleaseCoefficient() const { return timing.fastRelease(); }
    float slowReleaseCoefficient() const { return timing.slowRelease(); }

private:
    Envelope envelope;
    EnvelopeTiming timing;
    float knee = 0.0f;
    float arc = 1.0f;  // below 0.5 manual release, else automatic
};

}  // namespace fendwick
