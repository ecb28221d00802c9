// The stereo enhancer of the stereo character compressor: a blend or a
// widening of the two channels.
#pragma once

#include "sample_guards.h"
#include "scalar_lanes.h"

namespace fendwick {

struct StereoPair {
    float left;
    float right;
};

// From StereoEnh E: below 0.5 a blend toward mono (at 0, left becomes
// 0.6 left + 0.4 right), from 0.5 a widening that takes d of the other
// channel away first (at 1, left becomes 1.12 (left - 0.25 right)). The
// setter runs on any thread and stores the coefficients at once; step runs
// on the audio thread and keeps no state. Made at E = 0.
class StereoEnhancer {
public:
    void setAmount(float amount);

    StereoPair step(float left, float right) const
    {
        StereoPair out{left, right};
        stepInPlace<ScalarLanes>(out.left, out.right);
        return out;
    }

    // The same on a float or a vector of them (Lanes) per channel, in place.
    template <class Lanes>
    void stepInPlace(typename Lanes::Floats& left, typename Lanes::Floats& right) const
    {
        using Bits = typename Lanes::Bits;
        typename Lanes::Floats a = left - crossfeed * right;
        typename Lanes::Floats b = right - crossfeed * left;
        flushToZeroInPlace<Bits>(a);
        flushToZeroInPlace<Bits>(b);
        left = a * direct + b * blend;
        right = b * direct + a * blend;
        flushToZeroInPlace<Bits>(left);
        flushToZeroInPlace<Bits>(right);
        left *= gain;
        right *= gain;
        flushToZeroInPlace<Bits>(left);
        flushToZeroInPlace<Bits>(right);
    }

    float crossfeedFactor() const { return crossfeed; }
    float directFactor() const { return direct; }
    float blendFactor() const { return blend; }
    float outputGain() const { return gain; }

private:
    float crossfeed = 0.0f;  // d: the other channel taken away before the blend
    float direct = 0.75f;    // c: the own channel's share
    float blend = 0.5f;      // e: the other channel's share
    float gain = 0.8f;       // G: (1 - 0.2 E) 0.8, evens out the loudness
};

}  // namespace fendwick
