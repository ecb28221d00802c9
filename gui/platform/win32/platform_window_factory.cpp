// Makes the platform window of a frame on a Windows desktop.
#include "platform_window.h"
#include "win32_window.h"

namespace fendwick {

std::unique_ptr<PlatformWindow> createPlatformWindow(void* parentWindow, int32_t width, int32_t height)
{
    // A Windows host hands its HWND as the pointer.
    return Win32Window::create(static_cast<HWND>(parentWindow), width, height);
}

}  // namespace fendwick
