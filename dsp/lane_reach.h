// Whether any lane of a float or of a vector of floats reaches a bound: the
// test that lets a stage leave out a gain that no lane of its vector needs.
#pragma once

#include <cstring>

namespace fendwick {

// A NaN lane reaches nothing.
template <class Floats>
inline bool anyLaneReaches(const Floats& x, float bound)
{
    const auto reached = x >= bound;
    const decltype(reached) none{};
    return std::memcmp(&reached, &none, sizeof reached) != 0;
}

}  // namespace fendwick
