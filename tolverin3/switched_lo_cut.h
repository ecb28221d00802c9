// The 75 Hz low cut in front of the band split, switched by "LoCut".
#pragma once

#include "lo_cut_filter.h"

namespace fendwick {

// From 0.5 up the switch filters every sample; below it samples pass as they
// are, and the first of them clears the filter's history, so that switching
// the cut on again starts from silence. The setter runs on any thread and
// takes effect from the next sample; step runs on the audio thread. reset
// clears the history and keeps the switch and the coefficients. Made off.
class SwitchedLoCut {
public:
    void setSwitch(float x) { switchValue = x; }
    float switchSetting() const { return switchValue; }

    float step(float v)
    {
        if (switchValue >= 0.5f) {
            return filter.step(v);
        }
        filter.bypass();
        return v;
    }

    void setSampleRate(float rateHz) { filter.setSampleRate(rateHz); }
    void reset() { filter.reset(); }

    bool historyCleared() const { return filter.historyCleared(); }

    // The filter itself, for a frame loop that steps a copy and keeps its history.
    LoCutFilter& section() { return filter; }

private:
    LoCutFilter filter;
    float switchValue = 0.0f;  // "LoCut", normalized
};

}  // namespace fendwick
