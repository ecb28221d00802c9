// The attack and release factors that the level detectors of every line
// share, from their settings and the sample rate.
#pragma once

#include <cstdint>

namespace fendwick {

// The per-sample factor that halves a level in the given number of samples.
float halfLifeFactor(double samples);

// The timing of a detector with an attack, a manual release and the
// automatic two-speed release: the attack length (8 to 1500 units of
// 0.05 ms along x^2) and release time (5 to 500 ms along x^2) from their
// normalized settings, and the per-sample factors at the sample rate. After
// the attack length a step in the input has closed 60 % of the gap; the
// release factors halve a level in the release time, 10 ms and 100 ms.
// Setters run on any thread and recompute at once; the factors are 0 until
// the first set of each setting or of the rate.
class EnvelopeTiming {
public:
    void setSampleRate(float rateHz);
    void setAttack(float x);
    void setRelease(float x);

    int32_t attackUnits() const { return attackUnitsCount; }
    int32_t releaseMs() const { return releaseTimeMs; }
    float attack() const { return attackCoef; }
    float release() const { return releaseCoef; }
    float fastRelease() const { return fastReleaseCoef; }
    float slowRelease() const { return slowReleaseCoef; }

private:
    void recomputeAttack();
    void recomputeRelease();

    float sampleRate = 44100.0f;
    int32_t attackUnitsCount = 20;  // units of 0.05 ms
    int32_t releaseTimeMs = 75;
    float attackCoef = 0.0f;
    float releaseCoef = 0.0f;
    float fastReleaseCoef = 0.0f;  // 10 ms half-life
    float slowReleaseCoef = 0.0f;  // 100 ms half-life
};

}  // namespace fendwick
