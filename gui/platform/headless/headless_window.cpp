// The window backend without a window.
#include "headless_window.h"

#include <algorithm>
#include <cstring>

namespace fendwick {
namespace {

bool creationRefused = false;

}  // namespace

std::unique_ptr<PlatformWindow> createPlatformWindow(void* parentWindow, int32_t width, int32_t height)
{
    if (creationRefused || width <= 0 || height <= 0)
        return nullptr;
    return std::make_unique<HeadlessWindow>(parentWindow, width, height);
}

HeadlessWindow::HeadlessWindow(void* parentWindow, int32_t width, int32_t height)
    : parentWindow_(parentWindow), thread_(std::this_thread::get_id())
{
    presented_.resize(width, height);
    queuePaint(Rect{0, 0, width, height});
}

HeadlessWindow* HeadlessWindow::of(PlatformWindow* window) { return dynamic_cast<HeadlessWindow*>(window); }

void HeadlessWindow::setCreationRefused(bool refused) { creationRefused = refused; }

uint32_t HeadlessWindow::presentedPixel(int32_t x, int32_t y) const
{
    if (x < 0 || y < 0 || x >= presented_.width || y >= presented_.height)
        return 0;
    return presented_.row(y)[x];
}

void HeadlessWindow::noteThread()
{
    if (std::this_thread::get_id() != thread_)
        calledFromOtherThread_ = true;
}

void HeadlessWindow::queuePaint(const Rect& area) { events_.push_back(Event{EventKind::paint, area, {}, 0.0f, {}}); }

void HeadlessWindow::queueButtonDown(const Point& where)
{
    events_.push_back(Event{EventKind::buttonDown, {}, where, 0.0f, {}});
}

void HeadlessWindow::queueWheel(const Point& where, float distance)
{
    events_.push_back(Event{EventKind::wheel, {}, where, distance, {}});
}

void HeadlessWindow::queueKeyDown(const KeyEvent& key) { events_.push_back(Event{EventKind::keyDown, {}, {}, 0.0f, key}); }

void HeadlessWindow::queueKeyUp(const KeyEvent& key) { events_.push_back(Event{EventKind::keyUp, {}, {}, 0.0f, key}); }

void HeadlessWindow::scriptPointer(const std::vector<PointerStep>& steps)
{
    steps_ = steps;
    stepsRead_ = 0;
}

void HeadlessWindow::present(const PixelSurface& surface, const Rect& area)
{
    noteThread();
    ++presentCount_;
    lastPresentedArea_ = area;
    const int32_t left = std::max(0, area.left);
    const int32_t top = std::max(0, area.top);
    const int32_t right = std::min({area.right, surface.width, presented_.width});
    const int32_t bottom = std::min({area.bottom, surface.height, presented_.height});
    if (right <= left)
        return;
    const size_t bytes = static_cast<size_t>(right - left) * sizeof(uint32_t);
    for (int32_t y = top; y < bottom; ++y)
        std::memcpy(presented_.row(y) + left, surface.row(y) + left, bytes);
}

void HeadlessWindow::deliver(const Event& event, WindowEventSink& sink)
{
    switch (event.kind) {
    case EventKind::paint:
        sink.paintArea(event.area);
        break;
    case EventKind::buttonDown:
        sink.buttonDown(event.where);
        break;
    case EventKind::wheel:
        sink.wheelTurned(event.where, event.distance);
        break;
    case EventKind::keyDown:
        keyAnswers_.push_back(sink.keyPressed(event.key));
        break;
    case EventKind::keyUp:
        keyAnswers_.push_back(sink.keyReleased(event.key));
        break;
    }
}

void HeadlessWindow::processEvents(WindowEventSink& sink)
{
    noteThread();
    // Events the sink's handlers queue wait for the next call, as a real
    // queue's late arrivals would.
    for (size_t n = events_.size(); n > 0 && !events_.empty(); --n) {
        const Event event = events_.front();
        events_.pop_front();
        deliver(event, sink);
    }
}

bool HeadlessWindow::dispatchOnePaint(WindowEventSink& sink)
{
    noteThread();
    const auto paint = std::find_if(events_.begin(), events_.end(),
                                    [](const Event& e) { return e.kind == EventKind::paint; });
    if (paint == events_.end())
        return false;
    const Event event = *paint;
    events_.erase(paint);
    deliver(event, sink);
    return true;
}

int32_t HeadlessWindow::mouseState()
{
    noteThread();
    if (steps_.empty())
        return 0;
    const size_t index = std::min(static_cast<size_t>(stepsRead_), steps_.size() - 1);
    ++stepsRead_;
    return steps_[index].state;
}

Point HeadlessWindow::cursorPosition()
{
    noteThread();
    if (steps_.empty())
        return Point{};
    const size_t read = static_cast<size_t>(stepsRead_ > 0 ? stepsRead_ - 1 : 0);
    return steps_[std::min(read, steps_.size() - 1)].position;
}

}  // namespace fendwick
