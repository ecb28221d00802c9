// One second-order low-pass section of the three-band crossover.
#pragma once

#include "symmetric_biquad.h"

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
    using Coefficients = SymmetricBiquad::Coefficients;
    using History = SymmetricBiquad::History;

    // The cutoff the normalized setting x stands for, as the texts show it.
    static float cutoffHzFor(float x);

    void setSampleRate(float rateHz);
    void setCutoff(float x);
    void reset() { section.clearHistory(); }

    float step(float x) { return section.step(x); }

    float cutoffHz() const { return cutoff; }
    const Coefficients& coefficients() const { return section.coefficients; }
    const History& state() const { return section.history; }
    void setState(const History& h) { section.history = h; }

private:
    void recompute();

    float shape = 0.0f;  // the normalized setting to the fourth power
    float cutoff = 50.0f;  // Hz, as set; the filter clamps it below half the rate
    float sampleRate = 44100.0f;
    SymmetricBiquad section;
};

}  // namespace fendwick
