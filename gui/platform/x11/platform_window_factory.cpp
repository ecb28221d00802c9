// Makes the platform window of a frame on an X11 desktop.
#include "platform_window.h"
#include "x11_window.h"

#include <cstdint>

namespace fendwick {

std::unique_ptr<PlatformWindow> createPlatformWindow(void* parentWindow, int32_t width, int32_t height)
{
    // A Linux host hands its X11 Window id as the value of the pointer.
    const auto parent = static_cast<Window>(reinterpret_cast<uintptr_t>(parentWindow));
    return X11Window::create(parent, width, height);
}

}  // namespace fendwick
