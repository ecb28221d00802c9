// Turns Ctrl-C, a closed terminal and termination into a flag the work loop polls, so it can clean up.
#pragma once

#include <csignal>
#include <iterator>

namespace fendwick {

// While an object lives, SIGINT, SIGHUP and SIGTERM only raise a flag; the
// previous handlers return on destruction. The handler does not restart
// system calls, so a blocking open or write returns early with EINTR. One
// guard at a time.
class InterruptGuard {
public:
    InterruptGuard();
    ~InterruptGuard();
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;

    static bool interrupted();

private:
    static constexpr int kSignals[] = {SIGINT, SIGHUP, SIGTERM};
    struct sigaction previous_[std::size(kSignals)] {};
};

}  // namespace fendwick
