// A whole percentage of the normalized value, with optional words for its ends.
#include "percent_value.h"

#include <cstdint>

namespace fendwick {

void PercentValue::write(float x, TextBuilder& out, bool withUnit) const
{
    const float percent = x * 100.0f;
    if (noneWord_ != nullptr && percent <= 0.0f) {
        out.text(noneWord_);
    } else if (fullWord_ != nullptr && percent >= 100.0f) {
        out.text(fullWord_);
    } else {
        out.integer(static_cast<int64_t>(percent));
        if (withUnit) {
            out.text(" %");
        }
    }
}

}  // namespace fendwick
