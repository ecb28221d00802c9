// A child window of the host's window that shows a PixelSurface through user32 and gdi32.
#include "win32_window.h"

#include <windowsx.h>

namespace fendwick {
namespace {

Rect rectOf(const RECT& r) { return Rect{r.left, r.top, r.right, r.bottom}; }

bool held(int virtualKey) { return (GetAsyncKeyState(virtualKey) & 0x8000) != 0; }

}  // namespace

std::unique_ptr<PlatformWindow> Win32Window::create(HWND parent, int32_t width, int32_t height)
{
    if (parent == nullptr || width <= 0 || height <= 0 || IsWindow(parent) == FALSE) {
        return nullptr;
    }
    std::unique_ptr<Win32Window> window(new Win32Window());
    if (!window->classUse_.registered()) {
        return nullptr;
    }
    window->window_ = CreateWindowExA(0, window->classUse_.name(), "Window", WS_CHILD | WS_VISIBLE, 0, 0, width,
                                      height, parent, nullptr, window->classUse_.module(), nullptr);
    if (window->window_ == nullptr) {
        return nullptr;
    }
    SetWindowLongPtrA(window->window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window.get()));
    return window;
}

Win32Window::Win32Window() : classUse_(windowProcedure) {}

Win32Window::~Win32Window()
{
    if (window_ != nullptr) {
        SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

LRESULT CALLBACK Win32Window::windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<Win32Window*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    return self->handle(message, wParam, lParam);
}

LRESULT Win32Window::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        paint();
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        if (sink_ != nullptr) {
            sink_->buttonDown(Point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        }
        return 0;
    case WM_MOUSEWHEEL:
        if (sink_ != nullptr) {
            // The wheel reports the cursor in screen coordinates.
            POINT where{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            ScreenToClient(window_, &where);
            sink_->wheelTurned(Point{where.x, where.y},
                               static_cast<float>(GET_WHEEL_DELTA_WPARAM(wParam)) / static_cast<float>(WHEEL_DELTA));
        }
        return 0;
    case WM_DESTROY:
        // The host destroyed its window, and ours with it.
        SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
        window_ = nullptr;
        return 0;
    default:
        return DefWindowProcA(window_, message, wParam, lParam);
    }
}

void Win32Window::paint()
{
    // Only the area the system asks for, and only when it asks for one.
    RECT update{};
    if (GetUpdateRect(window_, &update, FALSE) == FALSE) {
        return;
    }
    PAINTSTRUCT paintStruct{};
    BeginPaint(window_, &paintStruct);
    EndPaint(window_, &paintStruct);
    if (sink_ != nullptr) {
        sink_->paintArea(rectOf(paintStruct.rcPaint));
    } else {
        paintKept_ = true;
    }
}

bool Win32Window::handOnKeptPaint()
{
    if (!paintKept_ || sink_ == nullptr || window_ == nullptr) {
        return false;
    }
    paintKept_ = false;
    RECT client{};
    GetClientRect(window_, &client);
    sink_->paintArea(rectOf(client));
    return true;
}

void Win32Window::present(const PixelSurface& surface, const Rect& area)
{
    if (window_ == nullptr || area.width() <= 0 || area.height() <= 0 ||
        surface.pixels.size() < static_cast<size_t>(surface.width) * static_cast<size_t>(surface.height)) {
        return;
    }
    // 0x00RRGGBB words are the bytes of a 32-bit DIB; a negative height puts row 0 at the top.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = surface.width;
    info.bmiHeader.biHeight = -surface.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC context = GetDC(window_);
    if (context == nullptr) {
        return;
    }
    // The whole surface through a clip of the area: a top-down DIB's source
    // offsets count from its last row, the clip does not.
    IntersectClipRect(context, area.left, area.top, area.right, area.bottom);
    SetDIBitsToDevice(context, 0, 0, static_cast<DWORD>(surface.width), static_cast<DWORD>(surface.height), 0, 0, 0,
                      static_cast<UINT>(surface.height), surface.pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(window_, context);
}

void Win32Window::processEvents(WindowEventSink& sink)
{
    sink_ = &sink;
    handOnKeptPaint();
    // A host pumps our messages itself; a host that idles without pumping
    // still gets its editor painted and clicked here.
    MSG message{};
    while (window_ != nullptr && PeekMessageA(&message, window_, 0, 0, PM_REMOVE) != FALSE) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

bool Win32Window::dispatchOnePaint(WindowEventSink& sink)
{
    sink_ = &sink;
    if (handOnKeptPaint()) {
        return true;
    }
    MSG message{};
    if (PeekMessageA(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE) == FALSE) {
        return false;
    }
    DispatchMessageA(&message);
    return true;
}

int32_t Win32Window::mouseState()
{
    // The system's virtual keys name the physical buttons.
    const bool swapped = WindowClassUse::buttonsSwapped();
    int32_t state = 0;
    if (held(swapped ? VK_RBUTTON : VK_LBUTTON))
        state |= MouseState::primary;
    if (held(VK_MBUTTON))
        state |= MouseState::middle;
    if (held(swapped ? VK_LBUTTON : VK_RBUTTON))
        state |= MouseState::secondary;
    if (held(VK_SHIFT))
        state |= MouseState::shift;
    if (held(VK_CONTROL))
        state |= MouseState::control;
    if (held(VK_MENU))
        state |= MouseState::alt;
    return state;
}

Point Win32Window::cursorPosition()
{
    POINT where{};
    if (window_ == nullptr || GetCursorPos(&where) == FALSE || ScreenToClient(window_, &where) == FALSE) {
        return Point{};
    }
    return Point{where.x, where.y};
}

}  // namespace fendwick
