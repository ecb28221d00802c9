// Catches the X protocol errors of one connection while it is in scope.
#pragma once

#include <X11/Xlib.h>

namespace fendwick {

// Xlib's default error handler ends the process, and a host may destroy its
// window (and ours with it) before it closes the editor, or hand us a window
// that is already gone. Every X call of a window runs inside a trap: errors
// of the trap's connection are recorded instead, errors of any other
// connection (the host's own) go on to the handler that was installed
// before. Traps nest; each lives on the stack of the window's thread.
class X11ErrorTrap {
public:
    explicit X11ErrorTrap(Display* display);
    ~X11ErrorTrap();

    X11ErrorTrap(const X11ErrorTrap&) = delete;
    X11ErrorTrap& operator=(const X11ErrorTrap&) = delete;

    bool caughtAny() const { return errorCount_ > 0; }
    // True when an error said the window or drawable is gone.
    bool caughtMissing(XID resource) const { return missing_ == resource && resource != 0; }

private:
    static int handle(Display* display, XErrorEvent* error);
    void record(const XErrorEvent& error);

    Display* display_;
    X11ErrorTrap* outer_;
    XErrorHandler previousHandler_;
    int errorCount_ = 0;
    XID missing_ = 0;
};

}  // namespace fendwick
