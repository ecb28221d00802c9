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
    // What a frame loop reads once per block.
    struct Coefficients {
        float b0;  // b2 equals it
        float b1;
        float a1;
        float a2;
    };

    // What a frame loop carries from sample to sample.
    struct History {
        float x1 = 0.0f;  // previous input
        float x2 = 0.0f;  // input two samples back
        float y1 = 0.0f;  // previous output
        float y2 = 0.0f;  // output two samples back
    };

    // The cutoff the normalized setting x stands for, as the texts show it.
    static float cutoffHzFor(float x);

    void setSampleRate(float rateHz);
    void setCutoff(float x);
    void reset() { history = History{}; }

    float step(float x)
    {
        History& h = history;
        // b0 serves the input two samples back as well: b2 equals b0.
        const float y = flushToZero(b1 * h.x1 + b0 * (x + h.x2) - a1 * h.y1 - a2 * h.y2);
        h.x2 = h.x1;
        h.x1 = x;
        h.y2 = h.y1;
        h.y1 = y;
        return y;
    }

    float cutoffHz() const { return cutoff; }
    Coefficients coefficients() const { return {b0, b1, a1, a2}; }
    const History& state() const { return history; }
    void setState(const History& h) { history = h; }

private:
    void recompute();

    float shape = 0.0f;  // the normalized setting to the fourth power
    float cutoff = 50.0f;  // Hz, as set; the filter clamps it below half the rate
    float sampleRate = 44100.0f;
    float b0 = 0.0f;
    float b1 = 0.0f;
    float a1 = 0.0f;
    float a2 = 0.0f;
    History history;
};

}  // namespace fendwick
