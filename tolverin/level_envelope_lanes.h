// The level detector's envelope step for a set of envelopes side by side
// in the lanes of a vector, written once for every lane loop that runs it.
#pragma once

#include "sample_guards.h"

namespace fendwick {

// Envelopes env toward the magnitudes a, lane by lane, into next: a rise
// closes the gap to a by the attack coefficient's complement, a fall
// multiplies by release (the manual, fast or slow release of the lane); the
// result flushed, as LevelDetector steps each envelope. Floats is a vector
// of floats and Bits the vector of as many uint32_t.
// The same step before the flush, for loops that check for values the
// flush would change rather than flush every step (see collectFlushable).
template <class Floats>
inline void followEnvelopesUnflushed(const Floats& a, const Floats& env, const Floats& attack,
                                     const Floats& release, Floats& next)
{
    next = a >= env ? a + (env - a) * attack : env * release;
}

template <class Bits, class Floats>
inline void followEnvelopes(const Floats& a, const Floats& env, const Floats& attack, const Floats& release,
                            Floats& next)
{
    followEnvelopesUnflushed(a, env, attack, release, next);
    flushToZeroInPlace<Bits>(next);
}

}  // namespace fendwick
