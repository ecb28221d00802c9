// A compression ratio, 1 / (1 - x) : 1, with one decimal.
#include "ratio_value.h"

namespace fendwick {

void RatioValue::write(float x, TextBuilder& out, bool withUnit) const
{
    // x = 1 divides by zero into +inf, which the upper bound catches; the
    // lower bound keeps a value above 1 from reading as a negative ratio.
    const float ratio = 1.0f / (1.0f - x);
    if (ratio < infinityFrom_ && ratio > 0.0f) {
        out.fixed(ratio, 1);
    } else {
        out.text("oo");
    }
    if (withUnit) {
        out.text(" : 1");
    }
}

}  // namespace fendwick
