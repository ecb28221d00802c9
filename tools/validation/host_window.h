// A top-level window of the host's own, into which a plug-in's editor opens as a child.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace fendwick {

// A window on the X display that DISPLAY names, on a connection of its own,
// mapped and known to the server before a plug-in is handed it. Used by one
// thread. The plug-in opens its own connection to draw into its child.
class HostWindow {
public:
    // Null when there is no display to open (DISPLAY unset or unreachable,
    // or a build without Xlib).
    static std::unique_ptr<HostWindow> open(int32_t width, int32_t height);
    virtual ~HostWindow() = default;

    // The window as the editor-open request carries it.
    virtual void* handle() const = 0;
    // How many windows the editor has put into this one and left there.
    virtual int children() = 0;
    // Handles whatever the server sent this window, as a host's event loop does.
    virtual void pumpEvents() = 0;
};

// While an object of this lives, DISPLAY is gone from the environment, so
// that a plug-in's editor finds no display; it comes back on destruction.
// Only while no other thread reads the environment.
class DisplayHidden {
public:
    DisplayHidden();
    ~DisplayHidden();
    DisplayHidden(const DisplayHidden&) = delete;
    DisplayHidden& operator=(const DisplayHidden&) = delete;

private:
    std::string saved_;
    bool wasSet_;
};

}  // namespace fendwick
