// One meter of the character line: a level or a gain gathered over a meter
// interval and published as one value.
#pragma once

#include <cstdint>

namespace fendwick {

// The meter interval a reset sets, whatever the rate (0.1 s at 44.1 kHz).
constexpr int32_t kResetMeterInterval = 4410;

// The meter interval at a sample rate: 0.1 s, not less than 2200 samples.
int32_t meterIntervalFor(float rateHz);

enum class MeterKind {
    level,  // keeps the largest magnitude, at most 1.0; rests at 0.0
    gain,   // keeps the smallest gain, at most 1.0; rests at 1.0
};

// Counts the samples of a window of interval + 1 samples: the first interval
// of them are gathered, the last closes the window, which publishes what was
// gathered and starts again from the rest value without taking that sample.
// The meters of one effect start at staggered counts so that they publish on
// different samples. Runs on the audio thread only; reporting that a value
// is due is all it does: handing the value on is the effect's job.
class MeterChannel {
public:
    MeterChannel(MeterKind kind, int32_t startCount);

    // A processed sample's magnitude (level meter) or gain (gain meter).
    // Answers whether the window closed here and value() is due.
    bool gather(float quantity, int32_t interval)
    {
        if (counter >= interval) {
            return publish();
        }
        const bool takes = meterKind == MeterKind::level ? quantity > running : quantity < running;
        running = takes ? (quantity < 1.0f ? quantity : 1.0f) : running;
        ++counter;
        return false;
    }

    // A bypassed sample: counts without gathering.
    bool skip(int32_t interval)
    {
        if (counter >= interval) {
            return publish();
        }
        ++counter;
        return false;
    }

    // The last published value.
    float value() const { return published; }

    // Back to the rest value and the start count.
    void reset();

private:
    bool publish()
    {
        published = running;
        running = restValue();
        counter = 0;
        return true;
    }

    float restValue() const { return meterKind == MeterKind::level ? 0.0f : 1.0f; }

    MeterKind meterKind;
    int32_t startCount;
    float published;
    float running;
    int32_t counter;
};

}  // namespace fendwick
