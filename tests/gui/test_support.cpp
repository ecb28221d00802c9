// Shared pieces of the toolkit tests.
#include "test_support.h"

namespace fendwick {

HeadlessFrame::HeadlessFrame(const Rect& size)
    : frame(Frame::create(size, nullptr, &editor)), window(HeadlessWindow::of(frame->platformWindow()))
{
}

void HeadlessFrame::click(const Point& where, const std::vector<PointerStep>& steps)
{
    window->scriptPointer(steps);
    window->queueButtonDown(where);
    frame->idle();
}

}  // namespace fendwick
