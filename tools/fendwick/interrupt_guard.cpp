// The interrupt flag and its signal handler.
#include "interrupt_guard.h"

namespace fendwick {
namespace {

// A signal handler may only store to a volatile sig_atomic_t.
volatile std::sig_atomic_t interruptRaised = 0;

extern "C" void raiseInterrupt(int)
{
    interruptRaised = 1;
}

}  // namespace

InterruptGuard::InterruptGuard()
{
    interruptRaised = 0;
    struct sigaction action {};
    action.sa_handler = raiseInterrupt;
    sigemptyset(&action.sa_mask);
    for (size_t i = 0; i < std::size(kSignals); ++i) {
        sigaction(kSignals[i], &action, &previous_[i]);
    }
}

InterruptGuard::~InterruptGuard()
{
    for (size_t i = 0; i < std::size(kSignals); ++i) {
        sigaction(kSignals[i], &previous_[i], nullptr);
    }
}

bool InterruptGuard::interrupted()
{
    return interruptRaised != 0;
}

}  // namespace fendwick
