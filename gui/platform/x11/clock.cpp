// The toolkit's millisecond clock and sleep on a POSIX system.
#include "platform_window.h"

#include <cerrno>
#include <ctime>

namespace fendwick {

uint32_t tickCountMs()
{
    // The monotonic clock keeps counting steadily when the user sets the date.
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const uint64_t milliseconds =
        static_cast<uint64_t>(now.tv_sec) * 1000u + static_cast<uint64_t>(now.tv_nsec) / 1000000u;
    return static_cast<uint32_t>(milliseconds);
}

void sleepMs(uint32_t milliseconds)
{
    timespec remaining{};
    remaining.tv_sec = static_cast<time_t>(milliseconds / 1000u);
    remaining.tv_nsec = static_cast<long>(milliseconds % 1000u) * 1000000L;
    // A signal handled by the host wakes nanosleep early; sleep the rest.
    while (nanosleep(&remaining, &remaining) != 0 && errno == EINTR) {
    }
}

}  // namespace fendwick
