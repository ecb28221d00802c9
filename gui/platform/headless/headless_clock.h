// The headless backend's clock: real by default, or a manual one for tests.
#pragma once

#include <cstdint>
#include <vector>

namespace fendwick {

// Serves tickCountMs() and sleepMs() for the headless backend. On the manual
// clock time stands still until advanced, and each sleep advances it by its
// length and is recorded instead of waiting. Module-wide; any thread.
class HeadlessClock {
public:
    static void useManualClock(uint32_t startMs = 0);
    static void useRealClock();
    static void advanceMs(uint32_t milliseconds);
    // The lengths of the sleeps taken on the manual clock, oldest first.
    static std::vector<uint32_t> sleeps();
    static void clearSleeps();
};

}  // namespace fendwick
