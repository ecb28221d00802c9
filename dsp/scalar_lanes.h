// One float as a set of lanes, so that a formula written once for a set of
// lanes serves the loops one frame at a time in standard C++ alone.
#pragma once

#include <cstdint>

namespace fendwick {

// The lane set of a single float: its bits as uint32_t, and the double it
// is worked out in where a formula needs more precision before rounding once.
struct ScalarLanes {
    using Floats = float;
    using Doubles = double;
    using Bits = uint32_t;

    static void widen(const float& x, double& wide) { wide = x; }
    static void narrow(const double& wide, float& x) { x = static_cast<float>(wide); }
};

}  // namespace fendwick
