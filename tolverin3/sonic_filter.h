// The three-band character line's character stage on the band mix.
#pragma once

#include "character_curve.h"
#include "character_detector.h"
#include "sample_guards.h"

namespace fendwick {

// Shapes the band mix by one of the character curves: "SonicFilter" picks
// the curve (Bright, Hot, Loud) and "SonicFilter Amt" its set (Normal, Maxx
// mode), both compared as the single-band Character settings are. There is
// no off position: Bright in the Normal set raises low levels by close to
// 1.15 times and passes full scale unchanged. Setters run on any thread and
// take effect from the next sample; step runs on the audio thread. reset
// clears the detector and keeps the settings and its factors. Made at
// 44100 Hz, Bright, Normal.
class SonicFilter {
public:
    void setCurve(float x) { curveValue = x; }
    void setCurveSet(float x) { curveSetValue = x; }
    float curveSetting() const { return curveValue; }
    float curveSetSetting() const { return curveSetValue; }

    // The mix sum u, shaped.
    float step(float u)
    {
        const float gain = characterGain(characterCurveFor(curveValue, curveSetValue), detector.step(u));
        return flushToZero(gain * u);
    }

    void setSampleRate(float rateHz) { detector.setSampleRate(rateHz); }
    void reset() { detector.reset(); }

    // The detector itself, for a frame loop that steps it in lanes and keeps its peaks.
    CharacterDetector& levelDetector() { return detector; }

private:
    CharacterDetector detector;
    float curveValue = 0.0f;     // "SonicFilter", normalized
    float curveSetValue = 0.0f;  // "SonicFilter Amt", normalized
};

}  // namespace fendwick
