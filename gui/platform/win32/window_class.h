// The window class every editor window of this library uses, registered once per module.
#pragma once

#include <windows.h>

namespace fendwick {

// Registers the class on first use and unregisters it when the last user
// lets go, so that several editors of one library share it and an unloaded
// library leaves no class behind. Used on the host's user-interface thread
// only. The user's choice of swapped mouse buttons is read at registration.
class WindowClassUse {
public:
    explicit WindowClassUse(WNDPROC procedure);
    ~WindowClassUse();
    WindowClassUse(const WindowClassUse&) = delete;
    WindowClassUse& operator=(const WindowClassUse&) = delete;

    // False when the system refused the class.
    bool registered() const { return registered_; }
    const char* name() const;
    HINSTANCE module() const;
    // True when the user's primary button is the physical right one.
    static bool buttonsSwapped();

private:
    bool registered_ = false;
};

}  // namespace fendwick
