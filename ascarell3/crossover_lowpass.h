// One second-order low-pass section of the three-band crossover.
#pragma once

#include "sample_guards.h"

namespace fendwick {

// A low-pass biquad with a resonance Q of 1 whose cutoff runs from 50 Hz
// (x = 0) to 22000 Hz (x = 1) along x^4, so that most of the knob's travel
// lies in the low and middle frequencies. The setters run on any thread and
// recompute the coefficients at once; step runs on the audio thread, one
// input sample at a time. reset clears the history (the last two inputs and
// outputs) and keeps the coefficients; neither a cutoff nor a sample-rate
// change touches the history, so a change takes effect from the next sample
// without a click from emptied state. The coefficients are zero (silence)
// until the first set of the cutoff or the sample rate.
class CrossoverLowpass {
public:
    // The cutoff the normalized setting x stands for, as the texts show it.
    static float cutoffHzFor(float x);

    void setSampleRate(float rateHz);
    void setCutoff(float x);
    void reset() { x1 = x2 = y1 = y2 = 0.0f; }

    float step(float x)
    {
        // b0 serves the input two samples back as well: b2 equals b0.
        const float y = flushToZero(b1 * x1 + b0 * (x + x2) - a1 * y1 - a2 * y2);
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        return y;
    }

    float cutoffHz() const { return cutoff; }

private:
    void recompute();

    float shape = 0.0f;  // the normalized setting to the fourth power
    float cutoff = 50.0f;  // Hz, as set; the filter clamps it below half the rate
    float sampleRate = 44100.0f;
    float b0 = 0.0f;
    float b1 = 0.0f;
    float a1 = 0.0f;
    float a2 = 0.0f;
    float x1 = 0.0f;  // previous input
    float x2 = 0.0f;  // input two samples back
    float y1 = 0.0f;  // previous output
    float y2 = 0.0f;  // output two samples back
};

}  // namespace fendwick
