// Where a meter view reads the reading it shows.
#pragma once

#include <cstdint>

namespace fendwick {

// Answers the latest reading of a meter by its index; called on the frame's
// thread while the meter draws, so it must not wait on the thread that
// publishes the readings.
class MeterSource {
public:
    virtual float meterReading(int32_t index) const = 0;

protected:
    ~MeterSource() = default;
};

}  // namespace fendwick
