// The window backend without a window, for tests, screenshots and machines
// without a display.
#pragma once

#include "platform_window.h"

#include <cstdint>
#include <deque>
#include <thread>
#include <vector>

namespace fendwick {

// One poll of the pointer: the mouse state word (MouseState bits) and the
// cursor position relative to the window.
struct PointerStep {
    int32_t state = 0;
    Point position;
};

// Keeps every presented pixel, so a test reads what a window would show, and
// plays back a script of input. Events queued with the queue operations are
// handed to the sink by processEvents, in order. The pointer script answers
// polls: each mouseState() moves to the next step and cursorPosition()
// reports the position of the step last read; the last step repeats, and
// without a script the pointer rests at (0, 0) with nothing held. A new
// window starts with a paint request for all of itself, as a newly shown
// window gets. The window also records whether any call came from a thread
// other than the one that made it.
class HeadlessWindow : public PlatformWindow {
public:
    HeadlessWindow(void* parentWindow, int32_t width, int32_t height);

    // The headless window behind a platform window; null for another backend.
    static HeadlessWindow* of(PlatformWindow* window);
    // While set, createPlatformWindow answers null as a refusing system would.
    static void setCreationRefused(bool refused);

    void* parentWindow() const { return parentWindow_; }
    // What the window shows: every area presented so far.
    const PixelSurface& presented() const { return presented_; }
    uint32_t presentedPixel(int32_t x, int32_t y) const;
    // How many presents came, and the last area presented.
    int32_t presentCount() const { return presentCount_; }
    const Rect& lastPresentedArea() const { return lastPresentedArea_; }
    bool calledFromOtherThread() const { return calledFromOtherThread_; }

    void queuePaint(const Rect& area);
    void queueButtonDown(const Point& where);
    void queueWheel(const Point& where, float distance);
    void queueKeyDown(const KeyEvent& key);
    void queueKeyUp(const KeyEvent& key);
    size_t queuedEvents() const { return events_.size(); }

    // Replaces the pointer script and starts it from its first step.
    void scriptPointer(const std::vector<PointerStep>& steps);
    // How many steps mouseState() has moved through since the script began.
    int32_t pointerStepsRead() const { return stepsRead_; }
    // The key answers the sink gave to the queued key events, in order.
    const std::vector<int32_t>& keyAnswers() const { return keyAnswers_; }

    void present(const PixelSurface& surface, const Rect& area) override;
    void processEvents(WindowEventSink& sink) override;
    bool dispatchOnePaint(WindowEventSink& sink) override;
    int32_t mouseState() override;
    Point cursorPosition() override;

private:
    enum class EventKind { paint, buttonDown, wheel, keyDown, keyUp };
    struct Event {
        EventKind kind;
        Rect area;
        Point where;
        float distance;
        KeyEvent key;
    };

    void noteThread();
    void deliver(const Event& event, WindowEventSink& sink);

    void* parentWindow_;
    std::thread::id thread_;
    bool calledFromOtherThread_ = false;
    PixelSurface presented_;
    int32_t presentCount_ = 0;
    Rect lastPresentedArea_{};
    std::deque<Event> events_;
    std::vector<int32_t> keyAnswers_;
    std::vector<PointerStep> steps_;
    int32_t stepsRead_ = 0;
};

}  // namespace fendwick
