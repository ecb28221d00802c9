// One channel's signal-processing blocks of the character compressor.
#pragma once

#include "character_detector.h"
#include "level_detector.h"
#include "limiter_detector.h"
#include "lo_cut_filter.h"

namespace fendwick {

// The low cut, the compressor's and the character stage's detectors and the
// limiter's detector of one channel, in the order the chain runs them. The
// effect owns one per channel; the setters run on any thread, the steps on
// the audio thread. reset clears every history and keeps every coefficient.
struct CharacterChannel {
    void setSampleRate(float rateHz)
    {
        loCut.setSampleRate(rateHz);
        level.setSampleRate(rateHz);
        character.setSampleRate(rateHz);
        limiter.setSampleRate(rateHz);
    }

    void reset()
    {
        loCut.reset();
        level.reset();
        character.reset();
        limiter.reset();
    }

    // Takes every history of a copy that a frame loop stepped, keeping this
    // channel's coefficients.
    void keepHistoriesOf(const CharacterChannel& worked)
    {
        loCut.keepHistoryOf(worked.loCut);
        level.keepEnvelopesOf(worked.level);
        character.keepPeaksOf(worked.character);
        limiter.keepPeaksOf(worked.limiter);
    }

    LoCutFilter loCut;
    LevelDetector level;
    CharacterDetector character;
    LimiterDetector limiter;
};

}  // namespace fendwick
