// Readings the processing publishes for the editor to show (meters), by
// index above the last parameter.
#pragma once

#include <atomic>
#include <cstdint>

namespace fendwick {

// Told of every reading a plug-in stores, on the thread that stores it (the
// audio thread while processing): lets a host that runs the plug-in in its
// own process see each publication where it happens. It must not allocate,
// lock or wait.
class DisplayValueListener {
public:
    virtual ~DisplayValueListener() = default;
    virtual void displayValueChanged(int32_t index, float value) = 0;
};

// A run of indexes from `first`; each reading crosses from the audio thread
// to the editor's as one float, so neither side ever waits. Indexes outside
// the run are ignored on store and read as 0.
class DisplayValues {
public:
    static constexpr int32_t kMostValues = 8;

    // Chooses the run, at most kMostValues long, and sets each reading to 0;
    // made while the plug-in is built, before the host processes.
    void cover(int32_t first, int32_t count);

    bool contains(int32_t index) const { return index >= first_ && index < first_ + count_; }
    void store(int32_t index, float value)
    {
        if (contains(index)) {
            values_[index - first_].store(value, std::memory_order_relaxed);
        }
    }
    float load(int32_t index) const
    {
        return contains(index) ? values_[index - first_].load(std::memory_order_relaxed) : 0.0f;
    }
    int32_t first() const { return first_; }
    int32_t count() const { return count_; }

private:
    int32_t first_ = 0;
    int32_t count_ = 0;
    std::atomic<float> values_[kMostValues] = {};

    static_assert(std::atomic<float>::is_always_lock_free, "the audio thread must not wait");
};

}  // namespace fendwick
