// A level in decibels with one decimal, and a word for what lies below its floor.
#include "decibel_value.h"

#include <cmath>

namespace fendwick {

void DecibelValue::write(float x, TextBuilder& out, bool withUnit) const
{
    const float factor = x * scale_;
    if (factor <= floorFactor_) {
        out.text(floorText_);
    } else {
        out.fixed(20.0 * std::log10(static_cast<double>(factor)), 1);
    }
    if (withUnit) {
        out.text(" dB");
    }
}

}  // namespace fendwick
