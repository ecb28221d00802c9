// The host's window through Xlib.
#include "host_window.h"

#include <X11/Xlib.h>

#include <cstdlib>

namespace fendwick {
namespace {

class X11HostWindow final : public HostWindow {
public:
    X11HostWindow(Display* display, Window window) : display_(display), window_(window) {}
    ~X11HostWindow() override
    {
        XDestroyWindow(display_, window_);
        XCloseDisplay(display_);
    }

    void* handle() const override { return reinterpret_cast<void*>(static_cast<uintptr_t>(window_)); }

    int children() override
    {
        Window root = 0;
        Window parent = 0;
        Window* list = nullptr;
        unsigned int count = 0;
        if (XQueryTree(display_, window_, &root, &parent, &list, &count) == 0) {
            return 0;
        }
        if (list != nullptr) {
            XFree(list);
        }
        return static_cast<int>(count);
    }

    void pumpEvents() override
    {
        while (XPending(display_) > 0) {
            XEvent event;
            XNextEvent(display_, &event);
        }
    }

private:
    Display* display_;
    Window window_;
};

}  // namespace

std::unique_ptr<HostWindow> HostWindow::open(int32_t width, int32_t height)
{
    const char* name = std::getenv("DISPLAY");
    if (name == nullptr || *name == '\0') {
        return nullptr;
    }
    Display* display = XOpenDisplay(name);
    if (display == nullptr) {
        return nullptr;
    }
    const int screen = DefaultScreen(display);
    const Window window = XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0,
                                              static_cast<unsigned int>(width > 0 ? width : 1),
                                              static_cast<unsigned int>(height > 0 ? height : 1), 0,
                                              BlackPixel(display, screen), BlackPixel(display, screen));
    XMapWindow(display, window);
    // The plug-in's own connection must find the window on the server.
    XSync(display, False);
    return std::make_unique<X11HostWindow>(display, window);
}

}  // namespace fendwick
