// The split of one or two channels into low, middle and high bands that add
// up to the input.
#pragma once

#include "crossover_lowpass.h"

namespace fendwick {

// One channel's three bands of one sample.
struct CrossoverBands {
    float lo = 0.0f;
    float mid = 0.0f;
    float hi = 0.0f;
};

// Two low-pass sections per channel, one at the Lo-Mid and one at the
// Mid-Hi cutoff (normalized settings, see CrossoverLowpass). The low band
// is the Lo-Mid low-pass, the middle band what the Mid-Hi low-pass adds to
// it, the high band what it leaves of the input: the bands are not flat on
// their own, but their sum is the input but for float rounding. The setters
// run on any thread and recompute at once; split runs on the audio thread
// once per frame. reset clears the history of every section and keeps the
// coefficients; cutoff and sample-rate changes keep the history.
class ThreeBandCrossover {
public:
    static constexpr int kMaxChannels = 2;

    // channelCount is 1 (mono) or 2 (stereo).
    explicit ThreeBandCrossover(int channelCount);

    void setSampleRate(float rateHz);
    void setCutoffs(float loMidX, float midHiX);
    void reset();

    // One frame: input[c] for every channel c into bands[c].
    void split(const float* input, CrossoverBands* bands)
    {
        for (int c = 0; c < channels; ++c) {
            bands[c].lo = low[c].step(input[c]);
        }
        float lowpass[kMaxChannels];
        for (int c = 0; c < channels; ++c) {
            lowpass[c] = high[c].step(input[c]);
        }
        for (int c = 0; c < channels; ++c) {
            bands[c].mid = flushToZero(lowpass[c] - bands[c].lo);
            bands[c].hi = flushToZero(input[c] - lowpass[c]);
        }
    }

    int channelCount() const { return channels; }

    // The sections of channel c, for the frame loops that step them in lanes.
    CrossoverLowpass& lowSection(int c) { return low[c]; }
    CrossoverLowpass& highSection(int c) { return high[c]; }

private:
    int channels;
    CrossoverLowpass low[kMaxChannels];   // at Lo-Mid
    CrossoverLowpass high[kMaxChannels];  // at Mid-Hi
};

}  // namespace fendwick
