// What the toolkit needs of a windowing system: one child window that shows a
// PixelSurface, its input events, the polled mouse state, and timing.
// Each backend folder (x11/, headless/, later win32/) implements this header;
// the build links exactly one backend into each program or plug-in.
#pragma once

#include "geometry.h"
#include "pixel_surface.h"

#include <cstdint>
#include <memory>

namespace fendwick {

// Bits of the mouse state word that controls poll while a button is held.
namespace MouseState {
constexpr int32_t primary = 1;
constexpr int32_t middle = 2;
constexpr int32_t secondary = 4;
constexpr int32_t shift = 8;
constexpr int32_t control = 16;
constexpr int32_t alt = 32;
}  // namespace MouseState

// The plug-in interface's virtual key codes of the arrow keys, which the
// knobs answer.
namespace VirtualKeyCode {
constexpr uint8_t left = 11;
constexpr uint8_t up = 12;
constexpr uint8_t right = 13;
constexpr uint8_t down = 14;
}  // namespace VirtualKeyCode

// Bits of KeyEvent::modifiers, as the plug-in interface numbers them.
namespace KeyModifierBit {
constexpr uint8_t shift = 1;
constexpr uint8_t alternate = 2;
constexpr uint8_t control = 8;
}  // namespace KeyModifierBit

// A key as the host or the window reports it: the character, the plug-in
// interface's virtual key code and its modifier bits.
struct KeyEvent {
    int32_t character = 0;
    uint8_t virtualKey = 0;
    uint8_t modifiers = 0;
};

// Receives the events a window hands on while it processes its queue.
class WindowEventSink {
public:
    virtual void paintArea(const Rect& area) = 0;
    virtual void buttonDown(const Point& where) = 0;
    virtual void wheelTurned(const Point& where, float distance) = 0;
    virtual int32_t keyPressed(const KeyEvent& key) = 0;
    virtual int32_t keyReleased(const KeyEvent& key) = 0;

protected:
    ~WindowEventSink() = default;
};

// One child window inside a host's window. Created, used and destroyed on the
// thread that opened the editor; no call of it may come from another thread.
class PlatformWindow {
public:
    virtual ~PlatformWindow() = default;

    // Copies the area of the surface to the window at the same place.
    virtual void present(const PixelSurface& surface, const Rect& area) = 0;
    // Handles every event waiting now, handing them to the sink; never blocks.
    virtual void processEvents(WindowEventSink& sink) = 0;
    // Handles one waiting paint request, if any; answers whether there was one.
    virtual bool dispatchOnePaint(WindowEventSink& sink) = 0;
    // The mouse state word (MouseState bits), read from the system now.
    virtual int32_t mouseState() = 0;
    // The cursor position relative to the window's top-left corner, read now.
    virtual Point cursorPosition() = 0;
};

// Makes the window as a child of the host's window handle (an X11 Window id
// on Linux, an HWND on Windows); null when the system refuses.
std::unique_ptr<PlatformWindow> createPlatformWindow(void* parentWindow, int32_t width, int32_t height);

// Milliseconds from an arbitrary start, wrapping at 2^32.
uint32_t tickCountMs();
void sleepMs(uint32_t milliseconds);

}  // namespace fendwick
