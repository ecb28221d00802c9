// The meter interval at a sample rate, and a meter's start.
#include "meter_channel.h"

#include <algorithm>

namespace fendwick {

int32_t meterIntervalFor(float rateHz)
{
    constexpr int32_t kShortestInterval = 2200;
    // Held far above any real rate, so that no usable rate overflows the count.
    constexpr float kLongestInterval = 1.0e9f;
    return std::max(kShortestInterval, static_cast<int32_t>(std::min(rateHz * 0.1f, kLongestInterval)));
}

MeterChannel::MeterChannel(MeterKind kind, int32_t start) : meterKind(kind), startCount(start)
{
    reset();
}

void MeterChannel::reset()
{
    published = restValue();
    running = restValue();
    counter = startCount;
}

}  // namespace fendwick
