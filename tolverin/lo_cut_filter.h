// The 75 Hz low cut of one channel, ahead of the character compressor's detectors.
#pragma once

#include "symmetric_biquad.h"

namespace fendwick {

// A second-order high-pass with a resonance Q of 1 at 75 Hz, which keeps
// rumble and DC out of the detectors. step filters one sample; bypass stands
// for a sample that passes unfiltered, and the first of a run of them clears
// the history once, so that switching the cut on again starts from silence
// rather than from a level the signal has long left. Construction, reset and
// a sample-rate change leave the history to be cleared by the next bypass.
// set sample rate runs on any thread and recomputes the coefficients; step,
// bypass and reset run on the audio thread, and reset clears the history and
// keeps the coefficients. Made at 44100 Hz with its coefficients computed.
class LoCutFilter {
public:
    static constexpr float kCutoffHz = 75.0f;

    LoCutFilter();

    float step(float x)
    {
        cleared = false;
        return section.step(x);
    }

    void bypass()
    {
        if (!cleared) {
            section.clearHistory();
            cleared = true;
        }
    }

    void setSampleRate(float rateHz);
    void reset();

    bool historyCleared() const { return cleared; }

    // The section, for frame loops that step the filter in their own lanes.
    const SymmetricBiquad& biquad() const { return section; }

    // Takes a history a frame loop stepped in its own lanes, and whether
    // it is cleared, keeping this filter's coefficients.
    void keepHistory(const SymmetricBiquad::History& worked, bool historyIsCleared)
    {
        section.history = worked;
        cleared = historyIsCleared;
    }

    // Takes the history of a copy that a frame loop stepped and keeps this
    // filter's coefficients, which a setter may have changed meanwhile.
    void keepHistoryOf(const LoCutFilter& worked)
    {
        section.history = worked.section.history;
        cleared = worked.cleared;
    }

private:
    SymmetricBiquad section;
    bool cleared = false;  // the history is zero and no sample was filtered since
};

}  // namespace fendwick
