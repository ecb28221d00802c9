// The compressor's gain law and output stage, for one frame or for a vector
// of frames lane by lane: one definition for the scalar and vector loops.
#pragma once

#include "compressor_gain.h"

#include <cstdint>

namespace fendwick {

// What the gain law reads, once per block of the host.
struct GainLaw {
    float threshold;  // linear amplitude
    float blend;      // the ratio's gain blend: 1 no gain change, 0 level held at the threshold
    float knee;       // knee blend 0 (hard) to 1 (soft)
    float gainOut;    // 2 x the OutLevel parameter (0.5 is 0 dB)
};

// Floats is float or a vector of floats, Ints and Bits the int32_t and
// uint32_t of as many lanes. Everything in place, without branches (see
// flushToZeroInPlace for why in place).
template <class Floats, class Ints, class Bits>
struct GainOutput {
    // 1 while every detector is below the threshold, else the gain
    // g = t / m of the louder one (m), blended toward 1; both channels
    // take it, into gain. Tested level by level, as a NaN level is neither below
    // nor the louder: the right level decides once the left is below.
    template <int Channels>
    static void linkedGain(float threshold, float blend, const Floats (&e)[2], Floats& gain)
    {
        Floats m = e[0];
        Floats deciding = e[0];
        if constexpr (Channels == 2) {
            m = e[0] >= e[1] ? e[0] : e[1];
            deciding = e[0] < threshold ? e[1] : e[0];
        }
        Floats blended;
        gainAboveThreshold<Bits>(threshold, blend, m, blended);
        gain = deciding < threshold ? 1.0f : blended;
    }

    // From the knee-shaped levels e and the detector inputs feed (0 while
    // muted) per channel, and the gate's open flags (non-zero where a frame
    // is processed): the outputs into out, which holds the outputs before
    // when accumulating. Muted frames write 0.0, or keep what out holds.
    template <int Channels, bool Accumulate>
    static void apply(const GainLaw& law, const Floats (&e)[2], const Floats (&feed)[2], const Ints& open,
                      Floats (&out)[2])
    {
        Floats gain;
        linkedGain<Channels>(law.threshold, law.blend, e, gain);

        for (int ch = 0; ch < Channels; ++ch) {
            Floats y = gain * feed[ch];
            flushToZeroInPlace<Bits>(y);
            y = y * law.gainOut;
            if constexpr (Accumulate) {
                out[ch] = open != 0 ? out[ch] + y : out[ch];
            } else {
                out[ch] = open != 0 ? y : 0.0f;
            }
        }
    }
};

}  // namespace fendwick
