// A test with a display, a host-like parent window and a backend window in it.
#pragma once

// GoogleTest first: the X headers' macros (None, Bool) would break its names.
#include <gtest/gtest.h>

#include "platform_window.h"
#include "recording_sink.h"
#include "test_display.h"

#include <functional>
#include <memory>

namespace fendwick {

class X11WindowTest : public ::testing::Test {
protected:
    static constexpr int32_t windowWidth = 64;
    static constexpr int32_t windowHeight = 48;

    void SetUp() override;
    void TearDown() override { window.reset(); }

    // Makes the backend window in the parent and finds its X id.
    void openWindow(int32_t width = windowWidth, int32_t height = windowHeight);
    // Hands on events until done() holds; false after a few seconds without.
    bool pumpUntil(RecordingSink& sink, const std::function<bool()>& done);
    // Hands on what has arrived, then forgets it (the first paint, say).
    void drainEvents();
    // What the window with X id shownId shows, once the server has drawn
    // every area presented to it.
    PixelSurface shownPixels(PlatformWindow& shown, Window shownId, int32_t width, int32_t height);

    TestDisplay desk;
    std::unique_ptr<PlatformWindow> window;
    Window child = 0;
};

}  // namespace fendwick
