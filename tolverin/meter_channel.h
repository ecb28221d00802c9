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
        running = fold(running, quantity);
        ++counter;
        return false;
    }

    // Frames this meter gathers before its window closes.
    int32_t framesBeforeDue(int32_t interval) const { return interval - counter; }

    // Gathers count processed frames at once, all before the window closes
    // (count at most framesBeforeDue). The fold keeps the largest (level) or
    // smallest (gain) quantity, so it runs in kFoldLanes independent lanes
    // that the compiler turns into vector code, and the lanes meet at the
    // end: the same value as frame by frame, as no quantity is -0.0 (levels
    // are magnitudes, gains are flushed) and a NaN is never taken.
    void gatherRun(const float* quantities, int32_t count)
    {
        constexpr int32_t kFoldLanes = 8;
        float lanes[kFoldLanes];
        for (float& lane : lanes) {
            lane = running;
        }
        int32_t i = 0;
        for (; i + kFoldLanes <= count; i += kFoldLanes) {
            for (int32_t k = 0; k < kFoldLanes; ++k) {
                lanes[k] = fold(lanes[k], quantities[i + k]);
            }
        }
        for (; i < count; ++i) {
            lanes[0] = fold(lanes[0], quantities[i]);
        }
        for (float lane : lanes) {
            running = fold(running, lane);
        }
        counter += count;
    }

    // Gathers count processed frames at once, all before the window closes
    // (count at most framesBeforeDue), whose quantities a frame loop folded
    // into one as gather would from the rest value: the same value as frame
    // by frame, for the reasons gatherRun gives.
    void gatherFolded(float folded, int32_t count)
    {
        running = fold(running, folded);
        counter += count;
    }

    // count bypassed samples at once, all before the window closes (count
    // at most framesBeforeDue).
    void skipRun(int32_t count) { counter += count; }

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

    // A level meter takes a larger quantity, a gain meter a smaller one, held at 1.0.
    float fold(float gathered, float quantity) const
    {
        const bool takes = meterKind == MeterKind::level ? quantity > gathered : quantity < gathered;
        return takes ? (quantity < 1.0f ? quantity : 1.0f) : gathered;
    }

    float restValue() const { return meterKind == MeterKind::level ? 0.0f : 1.0f; }

    MeterKind meterKind;
    int32_t startCount;
    float published;
    float running;
    int32_t counter;
};

// count frames the silence gate bypasses in a row through the meters (count
// of them): the stretches in which no meter closes its window counted at
// once, each frame that closes one through skipOne(), which passes a single
// frame through every meter in their order, so that the order is that of
// frame after frame.
template <class SkipOne>
inline void skipFrames(MeterChannel* meters, int32_t meterCount, int32_t count, int32_t interval, SkipOne skipOne)
{
    while (count > 0) {
        int32_t stretch = count;
        for (int32_t slot = 0; slot < meterCount; ++slot) {
            const int32_t free = meters[slot].framesBeforeDue(interval);
            stretch = free < stretch ? free : stretch;
        }
        if (stretch <= 0) {
            skipOne();
            --count;
            continue;
        }
        for (int32_t slot = 0; slot < meterCount; ++slot) {
            meters[slot].skipRun(stretch);
        }
        count -= stretch;
    }
}

}  // namespace fendwick
