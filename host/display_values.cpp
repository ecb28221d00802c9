// The run of display values a family publishes.
#include "display_values.h"

#include <algorithm>

namespace fendwick {

void DisplayValues::cover(int32_t first, int32_t count)
{
    first_ = first;
    count_ = std::clamp(count, 0, kMostValues);
    for (std::atomic<float>& value : values_) {
        value.store(0.0f, std::memory_order_relaxed);
    }
}

}  // namespace fendwick
