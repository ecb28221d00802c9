// Catches the X protocol errors of one connection while it is in scope.
#include "x11_error_trap.h"

namespace fendwick {

namespace {

// Xlib's error handler takes no user data, so the handler finds the traps
// through this module-wide pointer to the innermost one.
X11ErrorTrap* innermostTrap = nullptr;

}  // namespace

X11ErrorTrap::X11ErrorTrap(Display* display)
    : display_(display), outer_(innermostTrap), previousHandler_(XSetErrorHandler(&X11ErrorTrap::handle))
{
    innermostTrap = this;
}

X11ErrorTrap::~X11ErrorTrap()
{
    innermostTrap = outer_;
    XSetErrorHandler(previousHandler_);
}

int X11ErrorTrap::handle(Display* display, XErrorEvent* error)
{
    X11ErrorTrap* outermost = nullptr;
    for (X11ErrorTrap* trap = innermostTrap; trap != nullptr; trap = trap->outer_) {
        if (trap->display_ == display) {
            trap->record(*error);
            return 0;
        }
        outermost = trap;
    }
    // Not ours: whoever handled errors before the first trap decides.
    if (outermost != nullptr && outermost->previousHandler_ != nullptr &&
        outermost->previousHandler_ != &X11ErrorTrap::handle) {
        return outermost->previousHandler_(display, error);
    }
    return 0;
}

void X11ErrorTrap::record(const XErrorEvent& error)
{
    ++errorCount_;
    if (error.error_code == BadWindow || error.error_code == BadDrawable) {
        missing_ = error.resourceid;
    }
}

}  // namespace fendwick
