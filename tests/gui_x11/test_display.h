// The test's own X connection with a top-level window that stands in for a
// host's editor window, and the means to read pixels and fake input.
#pragma once

#include "pixel_surface.h"
#include "platform_window.h"

#include <X11/Xlib.h>

#include <cstdint>
#include <vector>

namespace fendwick {

// A connection to $DISPLAY, or null. An X server resets when its last client
// leaves (between two tests) and refuses connections meanwhile: this tries
// again for a little while.
Display* openTestConnection();

// Opens $DISPLAY; isOpen() is false without a display (the tests then skip).
// Buttons and keys pressed through it are released on destruction, so a
// failing test leaves no button held for the next one.
class TestDisplay {
public:
    static constexpr int32_t parentWidth = 240;
    static constexpr int32_t parentHeight = 180;

    TestDisplay();
    ~TestDisplay();

    TestDisplay(const TestDisplay&) = delete;
    TestDisplay& operator=(const TestDisplay&) = delete;

    bool isOpen() const { return display_ != nullptr; }
    bool canFakeInput() const { return hasXTest_; }
    Display* display() const { return display_; }
    Window parent() const { return parent_; }
    // The parent as a host hands it to the editor's open.
    void* parentHandle() const;

    // Destroys the parent as a host does that closes its window before the editor.
    void destroyParent();

    std::vector<Window> childrenOfParent() const;
    // The one child window the backend made, 0 when there is none or several.
    Window onlyChild() const;

    // The window's pixels as 0x00RRGGBB, each channel scaled to 8 bits.
    PixelSurface capture(Window window, int32_t width, int32_t height) const;
    // The fewest bits any colour channel of the default visual has.
    int channelBits() const;

    void movePointer(Window window, Point where);
    void pressButton(unsigned int button);
    void releaseButton(unsigned int button);
    void pressKey(unsigned long keysym);
    void releaseKey(unsigned long keysym);
    void focus(Window window);
    // Waits until the server has carried out every request made so far.
    void sync();

private:
    Display* display_ = nullptr;
    Window parent_ = 0;
    bool hasXTest_ = false;
    std::vector<unsigned int> heldButtons_;
    std::vector<unsigned long> heldKeys_;
};

}  // namespace fendwick
