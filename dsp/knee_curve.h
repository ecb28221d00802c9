// The soft knee that every line applies to its detected level.
#pragma once

namespace fendwick {

// Blends the level c with its soft-knee curve 1.75c - 0.75c^2, which meets
// the straight line at 1 with the same slope; levels at or above 1 keep
// their value. knee runs from 0 (hard) to 1 (soft). For a float or a vector
// of floats, in place (see flushToZeroInPlace).
template <class Value>
inline void applyKnee(Value& c, float knee)
{
    const Value curved = 1.75f * c - 0.75f * c * c;
    const Value shaped = c < 1.0f ? curved : c;
    c = c * (1.0f - knee) + shaped * knee;
}

}  // namespace fendwick
