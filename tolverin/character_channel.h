// One channel's signal-processing blocks of the character compressor.
#pragma once

#include "character_detector.h"
#include "level_detector.h"
#include "limiter_detector.h"
#include "lo_cut_filter.h"

#include <algorithm>
#include <cstdint>

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

    // The least fraction of its magnitude a value of the detectors keeps
    // over the given number of steps: it falls by at most the smallest
    // release factor a step, and a rise from 0 reaches at least the
    // attack coefficient's complement of the magnitude it rises toward.
    double leastKeptOver(int32_t steps) const
    {
        const EnvelopeTiming& t = level.coefficients();
        double fall = level.manualRelease() ? t.release() : std::min(t.fastRelease(), t.slowRelease());
        fall = std::min({fall, static_cast<double>(character.fastFall()), static_cast<double>(character.slowFall())});
        for (int k = 0; k < 3; ++k) {
            fall = std::min(fall, static_cast<double>(limiter.fallOf(k)));
        }
        double kept = 1.0 - static_cast<double>(t.attack());
        for (int32_t n = steps; n > 0; n >>= 1, fall *= fall) {
            kept *= (n & 1) != 0 ? fall : 1.0;
        }
        return kept;
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
