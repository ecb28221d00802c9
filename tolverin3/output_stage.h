// The three-band character line's output level and peak limiter with its ceiling.
#pragma once

#include "limiter_detector.h"
#include "peak_limiter.h"
#include "sample_guards.h"

namespace fendwick {

// A final output sample and the limiter gain it was made with (1.0 with the
// limiter off), which the limiter gain meter takes.
struct OutputSample {
    float output;
    float limiterGain;
};

// Scales the shaped mix by twice "OutLevel" (0.5 is unity, 0 mutes), then,
// with "PeakLimiter SW" from 0.5 up, limits it and scales it by "Out
// Ceiling", a linear factor. With the limiter off the detector rests and
// neither the clamp nor the ceiling applies, so samples above full scale
// pass. Unlike the single-band line, the product with the ceiling is flushed
// too. Setters run on any thread and take effect from the next sample; step
// runs on the audio thread. reset clears the detector's peaks and ends its
// holds, keeping the settings and its factors. Made at 44100 Hz with unity
// level, the limiter off and a full-scale ceiling.
class OutputStage {
public:
    void setOutLevel(float x) { outLevelValue = x; }
    void setLimiter(float x) { limiterValue = x; }
    void setCeiling(float x) { ceilingValue = x; }
    float outLevelSetting() const { return outLevelValue; }
    float limiterSetting() const { return limiterValue; }
    float ceilingSetting() const { return ceilingValue; }

    OutputSample step(float shaped)
    {
        const float s = flushToZero(shaped * (outLevelValue + outLevelValue));
        if (limiterValue < 0.5f) {
            return {s, 1.0f};
        }
        const float e = limiterGain(detector.step(s));
        return {flushToZero(limitedOutput(e, s, ceilingValue)), e};
    }

    void setSampleRate(float rateHz) { detector.setSampleRate(rateHz); }
    void reset() { detector.reset(); }

    // The detector itself, for a frame loop that steps it in lanes and keeps its peaks.
    LimiterDetector& limiterDetector() { return detector; }

private:
    LimiterDetector detector;
    float outLevelValue = 0.5f;  // "OutLevel", normalized
    float limiterValue = 0.0f;   // "PeakLimiter SW", normalized
    float ceilingValue = 1.0f;   // "Out Ceiling", the linear factor itself
};

}  // namespace fendwick
