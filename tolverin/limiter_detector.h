// The peak limiter's level detector of one channel: three held peaks.
#pragma once

#include "sample_guards.h"
#include "scalar_lanes.h"

#include <cstdint>

namespace fendwick {

// Three peak followers take every rise of the magnitude at once, hold it for
// 21 samples, then fall with a 100 ms, a 1 s and a 10 ms half-life; the level
// is their weighted sum, 0.9 of it from full scale up so that sums up to
// about 1.078 stay below the limiter's threshold. set sample rate runs on any
// thread, step on the audio thread; reset clears the peaks and ends every
// hold, keeping the factors. Made at 44100 Hz with its factors computed.
class LimiterDetector {
public:
    static constexpr int32_t kHoldSamples = 21;

    LimiterDetector();

    float step(float x)
    {
        const float a = x < 0.0f ? -x : x;
        follow(peaks[0], a);
        follow(peaks[1], a);
        follow(peaks[2], a);
        return levelOf(peaks[0].level, peaks[1].level, peaks[2].level);
    }

    // The level of the peaks of 100 ms, 1 s and 10 ms half-life; for a float
    // or a vector of them (Lanes), into level.
    template <class Lanes>
    static void levelsOf(const typename Lanes::Floats& peak100ms, const typename Lanes::Floats& peak1s,
                         const typename Lanes::Floats& peak10ms, typename Lanes::Floats& level)
    {
        typename Lanes::Floats s = 0.1f * peak10ms + 0.4f * peak1s + 0.5f * peak100ms;
        flushToZeroInPlace<typename Lanes::Bits>(s);
        level = s >= 1.0f ? 0.9f * s : s;
    }

    static float levelOf(float peak100ms, float peak1s, float peak10ms)
    {
        float level;
        levelsOf<ScalarLanes>(peak100ms, peak1s, peak10ms, level);
        return level;
    }

    void setSampleRate(float rateHz);
    void reset();

    // Takes the peaks and holds of a copy that a frame loop stepped and keeps
    // this detector's factors, which a sample-rate change may have set meanwhile.
    void keepPeaksOf(const LimiterDetector& worked)
    {
        for (int k = 0; k < 3; ++k) {
            peaks[k].level = worked.peaks[k].level;
            peaks[k].held = worked.peaks[k].held;
        }
    }

    // The peak and hold a lane loop worked out, keeping the factor.
    void keepPeak(int index, float level, int32_t held)
    {
        peaks[index].level = level;
        peaks[index].held = held;
    }

    // The peaks of 100 ms, 1 s and 10 ms half-life, the samples each has
    // been held and the per-sample factor it falls by.
    float peak(int index) const { return peaks[index].level; }
    int32_t heldFor(int index) const { return peaks[index].held; }
    float fallOf(int index) const { return peaks[index].fall; }

    // {100 ms, 1 s, 10 ms, 0}, as the lane loops store a frame's peaks.
    void peaksInto(float* row) const
    {
        for (int k = 0; k < 3; ++k) {
            row[k] = peaks[k].level;
        }
        row[3] = 0.0f;
    }

private:
    struct HeldPeak {
        float level;
        int32_t held;  // samples the level has been held; from kHoldSamples on it falls
        float fall;    // per-sample factor of the half-life
    };

    // The fall is the last else branch, so a NaN magnitude never enters a peak.
    static void follow(HeldPeak& p, float a)
    {
        if (a >= p.level) {
            p.level = a;
            p.held = 0;
        } else if (p.held < kHoldSamples) {
            ++p.held;
        } else {
            p.level = flushToZero(p.level * p.fall);
        }
    }

    HeldPeak peaks[3];
};

}  // namespace fendwick
