// One band's compressor of the three-band character line: its gain and its output sample.
#pragma once

#include "band_type_gain.h"
#include "character_band_settings.h"
#include "compressor_gain.h"
#include "level_detector.h"
#include "sample_guards.h"

namespace fendwick {

// A band's sample after its compressor and the gain it was given, which
// the band's gain meter shows (1.0 when the band is silent or uncompressed).
struct BandOutput {
    float sample;
    float gain;
};

// The gain of a compressed band at a detected level m: the threshold law
// (a level equal to T takes it and gives exactly 1), shaped by the band's Type.
inline float characterBandGain(const CharacterBandSettings& s, float level)
{
    return bandTypeGain(s.type, compressorGain(s.threshold, s.slope, level));
}

// One band sample b through its compressor. With Comp off the detector is
// not stepped, so that its envelope waits where it was until Comp returns;
// with PW off the band is silent, though a compressed band's detector
// still follows it. Audio thread.
inline BandOutput compressCharacterBand(const CharacterBandSettings& s, LevelDetector& detector, float b)
{
    const bool on = s.power > 0.5f;
    if (s.compression <= 0.5f) {
        return {on ? b : 0.0f, 1.0f};
    }
    const float level = detector.step(b);
    if (!on) {
        return {0.0f, 1.0f};
    }
    const float h = characterBandGain(s, level);
    return {flushToZero(h * b), h};
}

}  // namespace fendwick
