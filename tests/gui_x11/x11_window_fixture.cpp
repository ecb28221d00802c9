// A test with a display, a host-like parent window and a backend window in it.
#include "x11_window_fixture.h"

namespace fendwick {

namespace {

constexpr uint32_t pumpLimitMs = 3000;
constexpr uint32_t pumpStepMs = 2;

}  // namespace

void X11WindowTest::SetUp()
{
    if (!desk.isOpen()) {
        GTEST_SKIP() << "no X display (run under xvfb-run)";
    }
}

void X11WindowTest::openWindow(int32_t width, int32_t height)
{
    window = createPlatformWindow(desk.parentHandle(), width, height);
    ASSERT_NE(window, nullptr);
    child = desk.onlyChild();
    ASSERT_NE(child, 0u);
}

bool X11WindowTest::pumpUntil(RecordingSink& sink, const std::function<bool()>& done)
{
    const uint32_t start = tickCountMs();
    while (!done()) {
        if (tickCountMs() - start > pumpLimitMs) {
            return false;
        }
        window->processEvents(sink);
        if (!done()) {
            sleepMs(pumpStepMs);
        }
    }
    return true;
}

void X11WindowTest::drainEvents()
{
    // The map's first exposure may arrive a little after the window exists.
    RecordingSink sink;
    pumpUntil(sink, [&] { return !sink.paints.empty(); });
    desk.sync();
    window->processEvents(sink);
}

PixelSurface X11WindowTest::shownPixels(PlatformWindow& shown, Window shownId, int32_t width, int32_t height)
{
    // Presenting only flushes; a pointer query is a round trip on the
    // window's own connection, so the server has drawn everything before.
    shown.mouseState();
    return desk.capture(shownId, width, height);
}

}  // namespace fendwick
