// Whole units along a power_ curve of the normalized value: milliseconds, hertz.
#include "curve_value.h"

#include <cmath>
#include <cstdint>

namespace fendwick {

void CurveValue::write(float x, TextBuilder& out, bool withUnit) const
{
    out.integer(static_cast<int64_t>(std::pow(static_cast<double>(x), power_) * scale_ + offset_));
    if (withUnit) {
        out.text(unit_);
    }
}

}  // namespace fendwick
