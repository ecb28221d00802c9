// The character stage's level detector of one channel: two peak followers.
#pragma once

#include "pair_mean.h"
#include "sample_guards.h"
#include "scalar_lanes.h"

namespace fendwick {

// Takes every rise of the magnitude at once and lets it fall with a 30 ms
// and a 150 ms half-life; the level is the mean of the two, in linear
// amplitude. set sample rate runs on any thread, step on the audio thread;
// reset clears the peaks and keeps the factors. Made at 44100 Hz with its
// factors computed for that rate.
class CharacterDetector {
public:
    CharacterDetector();

    float step(float x)
    {
        const float a = x < 0.0f ? -x : x;
        p1 = followPeak(p1, a, c30);
        p2 = followPeak(p2, a, c150);
        float level;
        meanOfPair<ScalarLanes>(p1, p2, level);
        return level;
    }

    void setSampleRate(float rateHz);
    void reset() { p1 = p2 = 0.0f; }

    // Takes the peaks of a copy that a frame loop stepped and keeps this
    // detector's factors, which a sample-rate change may have set meanwhile.
    void keepPeaksOf(const CharacterDetector& worked)
    {
        p1 = worked.p1;
        p2 = worked.p2;
    }

    // The peaks a lane loop worked out, keeping the factors.
    void keepPeaks(float fast, float slow)
    {
        p1 = fast;
        p2 = slow;
    }

    float fastFall() const { return c30; }
    float slowFall() const { return c150; }
    float fastPeak() const { return p1; }
    float slowPeak() const { return p2; }

    // {30 ms, 150 ms, 0, 0}, as the lane loops store a frame's peaks.
    void peaksInto(float* row) const
    {
        row[0] = p1;
        row[1] = p2;
        row[2] = row[3] = 0.0f;
    }

private:
    // The fall is the else branch, so a NaN magnitude never enters a peak.
    static float followPeak(float peak, float a, float fall) { return flushToZero(a >= peak ? a : peak * fall); }

    float p1 = 0.0f;    // the 30 ms peak
    float p2 = 0.0f;    // the 150 ms peak
    float c30 = 0.0f;   // per-sample factor of a 30 ms half-life
    float c150 = 0.0f;  // per-sample factor of a 150 ms half-life
};

}  // namespace fendwick
