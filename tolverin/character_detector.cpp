// The character detector's fall factors at the sample rate.
#include "character_detector.h"

#include "envelope_timing.h"

namespace fendwick {

CharacterDetector::CharacterDetector() { setSampleRate(44100.0f); }

void CharacterDetector::setSampleRate(float rateHz)
{
    const double samplesPerSecond = rateHz;
    c30 = halfLifeFactor(samplesPerSecond * 0.03);
    c150 = halfLifeFactor(samplesPerSecond * 0.15);
}

}  // namespace fendwick
