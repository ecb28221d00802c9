// The headless backend's clock: real by default, or a manual one for tests.
#include "headless_clock.h"

#include "platform_window.h"

#include <chrono>
#include <mutex>
#include <thread>

namespace fendwick {
namespace {

struct ClockState {
    std::mutex mutex;
    bool manual = false;
    uint32_t nowMs = 0;
    std::vector<uint32_t> sleeps;
};

ClockState& clockState()
{
    static ClockState state;
    return state;
}

uint32_t realTickMs()
{
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

}  // namespace

void HeadlessClock::useManualClock(uint32_t startMs)
{
    ClockState& state = clockState();
    const std::lock_guard<std::mutex> lock(state.mutex);
    state.manual = true;
    state.nowMs = startMs;
    state.sleeps.clear();
}

void HeadlessClock::useRealClock()
{
    ClockState& state = clockState();
    const std::lock_guard<std::mutex> lock(state.mutex);
    state.manual = false;
    state.sleeps.clear();
}

void HeadlessClock::advanceMs(uint32_t milliseconds)
{
    ClockState& state = clockState();
    const std::lock_guard<std::mutex> lock(state.mutex);
    state.nowMs += milliseconds;
}

std::vector<uint32_t> HeadlessClock::sleeps()
{
    ClockState& state = clockState();
    const std::lock_guard<std::mutex> lock(state.mutex);
    return state.sleeps;
}

void HeadlessClock::clearSleeps()
{
    ClockState& state = clockState();
    const std::lock_guard<std::mutex> lock(state.mutex);
    state.sleeps.clear();
}

uint32_t tickCountMs()
{
    ClockState& state = clockState();
    const std::lock_guard<std::mutex> lock(state.mutex);
    return state.manual ? state.nowMs : realTickMs();
}

void sleepMs(uint32_t milliseconds)
{
    {
        ClockState& state = clockState();
        const std::lock_guard<std::mutex> lock(state.mutex);
        if (state.manual) {
            state.nowMs += milliseconds;
            state.sleeps.push_back(milliseconds);
            return;
        }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace fendwick
