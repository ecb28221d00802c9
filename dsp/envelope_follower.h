// One step of the peak envelope that the level detectors of every line run.
#pragma once

#include "sample_guards.h"

namespace fendwick {

// Moves env toward the magnitude a by the attack factor when a reaches it,
// else lets it fall by the release factor toward zero. The release is the
// else branch, so a NaN magnitude only releases and never enters env.
inline float followEnvelope(float env, float a, float attack, float release)
{
    return flushToZero(a >= env ? a + (env - a) * attack : env * release);
}

}  // namespace fendwick
