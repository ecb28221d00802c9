// A child window of the host's window that shows a PixelSurface through Xlib.
#pragma once

#include "pixel_format.h"
#include "platform_window.h"
#include "press_latch.h"

#include <X11/Xlib.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace fendwick {

class X11ErrorTrap;

// One editor window with its own Display connection, so that the host's
// connection and its event queue are never touched. Events are read only
// when the toolkit asks (processEvents, dispatchOnePaint during the editor's
// idle); every call comes from the thread that created the window, so no
// lock is taken. The destructor destroys the window and closes the
// connection before it returns. The host may destroy its window first: the
// window then notices it is gone and makes no more calls on it.
class X11Window final : public PlatformWindow {
public:
    // Null when there is no display, the parent is 0 or gone, the size is
    // empty or the parent's screen shows no TrueColor visual.
    static std::unique_ptr<PlatformWindow> create(Window parent, int32_t width, int32_t height);
    ~X11Window() override;

    X11Window(const X11Window&) = delete;
    X11Window& operator=(const X11Window&) = delete;

    void present(const PixelSurface& surface, const Rect& area) override;
    void processEvents(WindowEventSink& sink) override;
    bool dispatchOnePaint(WindowEventSink& sink) override;
    int32_t mouseState() override;
    Point cursorPosition() override;

private:
    struct PointerReading {
        Point where;
        unsigned int mask = 0;
    };

    explicit X11Window(Display* display);
    bool open(Window parent, int32_t width, int32_t height);
    bool makeImage(Visual* visual, int depth, int32_t width, int32_t height);
    void copyToImage(const PixelSurface& surface, const Rect& area);
    void handle(XEvent& event, WindowEventSink& sink);
    void handleButton(const XButtonEvent& event, WindowEventSink& sink);
    PointerReading readPointer();
    void noteErrors(const X11ErrorTrap& trap);

    Display* display_;
    Window window_ = 0;
    GC gc_ = nullptr;
    XImage* image_ = nullptr;
    // The image's pixels; XImage only borrows them.
    std::vector<uint32_t> imageData_;
    // True when the image holds one 32-bit word per pixel in our byte order.
    bool wordPixels_ = false;
    PixelFormat format_{0xFF0000u, 0x00FF00u, 0x0000FFu, 24};
    PressLatch pressLatch_;
    // False once the server said the window is gone (the host destroyed it).
    bool windowAlive_ = true;
};

}  // namespace fendwick
