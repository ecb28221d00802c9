// Turns Ctrl-C and termination into a flag the work loop polls, so it can clean up.
#pragma once

#include <csignal>

namespace fendwick {

// While an object lives, SIGINT and SIGTERM only raise a flag; the previous
// handlers return on destruction. One guard at a time.
class InterruptGuard {
public:
    InterruptGuard();
    ~InterruptGuard();
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;

    static bool interrupted();

private:
    struct sigaction previousInterrupt_ {};
    struct sigaction previousTerminate_ {};
};

}  // namespace fendwick
