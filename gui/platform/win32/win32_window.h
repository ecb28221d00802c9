// A child window of the host's window that shows a PixelSurface through user32 and gdi32.
#pragma once

#include "platform_window.h"
#include "window_class.h"

#include <windows.h>

#include <cstdint>
#include <memory>

namespace fendwick {

// One editor window, created, used and destroyed on the host's
// user-interface thread. The host's message loop brings its messages to the
// window procedure, which hands them to the sink the toolkit last gave
// (processEvents, dispatchOnePaint); a paint that comes before any sink
// becomes a paint of the whole window with the first. The destructor destroys the window; the
// host may destroy its own window first, which takes ours with it.
class Win32Window final : public PlatformWindow {
public:
    // Null when the parent is null, the size is empty or the system refuses.
    static std::unique_ptr<PlatformWindow> create(HWND parent, int32_t width, int32_t height);
    ~Win32Window() override;

    Win32Window(const Win32Window&) = delete;
    Win32Window& operator=(const Win32Window&) = delete;

    void present(const PixelSurface& surface, const Rect& area) override;
    void processEvents(WindowEventSink& sink) override;
    bool dispatchOnePaint(WindowEventSink& sink) override;
    int32_t mouseState() override;
    Point cursorPosition() override;

private:
    Win32Window();
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void paint();
    bool handOnKeptPaint();

    WindowClassUse classUse_;
    HWND window_ = nullptr;
    WindowEventSink* sink_ = nullptr;
    // The system asked for a paint before any sink was known: the whole
    // window is painted with the first sink.
    bool paintKept_ = false;
};

}  // namespace fendwick
