// The mean of two values as the character line's detectors take their
// level from two envelopes or two peaks.
#pragma once

namespace fendwick {

// (a + b) * 0.5 in float, lane by lane; for a float or a vector of them
// (Lanes), into mean.
template <class Lanes>
inline void meanOfPair(const typename Lanes::Floats& a, const typename Lanes::Floats& b,
                       typename Lanes::Floats& mean)
{
    mean = (a + b) * 0.5f;
}

}  // namespace fendwick
