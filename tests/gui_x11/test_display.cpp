// The test's own X connection with a top-level window that stands in for a
// host's editor window, and the means to read pixels and fake input.
#include "test_display.h"

#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace fendwick {

namespace {

uint32_t channelTo8Bits(unsigned long pixel, unsigned long mask)
{
    if (mask == 0) {
        return 0;
    }
    const int shift = __builtin_ctzl(mask);
    const unsigned long maximum = mask >> shift;
    const unsigned long value = (pixel & mask) >> shift;
    return static_cast<uint32_t>((value * 255u + maximum / 2u) / maximum);
}

}  // namespace

Display* openTestConnection()
{
    constexpr int attempts = 40;
    constexpr uint32_t pauseMs = 5;
    Display* display = XOpenDisplay(nullptr);
    for (int attempt = 1; display == nullptr && attempt < attempts && std::getenv("DISPLAY") != nullptr; ++attempt) {
        sleepMs(pauseMs);
        display = XOpenDisplay(nullptr);
    }
    return display;
}

TestDisplay::TestDisplay() : display_(openTestConnection())
{
    if (display_ == nullptr) {
        return;
    }
    int eventBase = 0;
    int errorBase = 0;
    int major = 0;
    int minor = 0;
    hasXTest_ = XTestQueryExtension(display_, &eventBase, &errorBase, &major, &minor) != False;
    const int screen = DefaultScreen(display_);
    parent_ = XCreateSimpleWindow(display_, RootWindow(display_, screen), 10, 20, parentWidth, parentHeight, 0,
                                  BlackPixel(display_, screen), BlackPixel(display_, screen));
    XMapWindow(display_, parent_);
    sync();
}

TestDisplay::~TestDisplay()
{
    if (display_ == nullptr) {
        return;
    }
    for (const unsigned long keysym : heldKeys_) {
        XTestFakeKeyEvent(display_, XKeysymToKeycode(display_, keysym), False, CurrentTime);
    }
    for (const unsigned int button : heldButtons_) {
        XTestFakeButtonEvent(display_, button, False, CurrentTime);
    }
    if (parent_ != 0) {
        XDestroyWindow(display_, parent_);
    }
    XSync(display_, False);
    XCloseDisplay(display_);
}

void TestDisplay::destroyParent()
{
    XDestroyWindow(display_, parent_);
    parent_ = 0;
    sync();
}

void* TestDisplay::parentHandle() const
{
    return reinterpret_cast<void*>(static_cast<uintptr_t>(parent_));
}

std::vector<Window> TestDisplay::childrenOfParent() const
{
    Window root = 0;
    Window parentOfParent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    std::vector<Window> result;
    if (XQueryTree(display_, parent_, &root, &parentOfParent, &children, &count) != 0) {
        result.assign(children, children + count);
    }
    if (children != nullptr) {
        XFree(children);
    }
    return result;
}

Window TestDisplay::onlyChild() const
{
    const std::vector<Window> children = childrenOfParent();
    return children.size() == 1 ? children.front() : 0;
}

PixelSurface TestDisplay::capture(Window window, int32_t width, int32_t height) const
{
    PixelSurface surface;
    surface.resize(width, height);
    XImage* image = XGetImage(display_, window, 0, 0, static_cast<unsigned int>(width),
                              static_cast<unsigned int>(height), AllPlanes, ZPixmap);
    if (image == nullptr) {
        return surface;
    }
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            const unsigned long pixel = XGetPixel(image, x, y);
            surface.row(y)[x] = channelTo8Bits(pixel, image->red_mask) << 16 |
                                channelTo8Bits(pixel, image->green_mask) << 8 |
                                channelTo8Bits(pixel, image->blue_mask);
        }
    }
    XDestroyImage(image);
    return surface;
}

int TestDisplay::channelBits() const
{
    const Visual* visual = DefaultVisual(display_, DefaultScreen(display_));
    return std::min({__builtin_popcountl(visual->red_mask), __builtin_popcountl(visual->green_mask),
                     __builtin_popcountl(visual->blue_mask)});
}

void TestDisplay::movePointer(Window window, Point where)
{
    int rootX = 0;
    int rootY = 0;
    Window child = 0;
    const int screen = DefaultScreen(display_);
    XTranslateCoordinates(display_, window, RootWindow(display_, screen), where.x, where.y, &rootX, &rootY, &child);
    XTestFakeMotionEvent(display_, screen, rootX, rootY, CurrentTime);
    sync();
}

void TestDisplay::pressButton(unsigned int button)
{
    XTestFakeButtonEvent(display_, button, True, CurrentTime);
    heldButtons_.push_back(button);
    sync();
}

void TestDisplay::releaseButton(unsigned int button)
{
    XTestFakeButtonEvent(display_, button, False, CurrentTime);
    heldButtons_.erase(std::remove(heldButtons_.begin(), heldButtons_.end(), button), heldButtons_.end());
    sync();
}

void TestDisplay::pressKey(unsigned long keysym)
{
    XTestFakeKeyEvent(display_, XKeysymToKeycode(display_, keysym), True, CurrentTime);
    heldKeys_.push_back(keysym);
    sync();
}

void TestDisplay::releaseKey(unsigned long keysym)
{
    XTestFakeKeyEvent(display_, XKeysymToKeycode(display_, keysym), False, CurrentTime);
    heldKeys_.erase(std::remove(heldKeys_.begin(), heldKeys_.end(), keysym), heldKeys_.end());
    sync();
}

void TestDisplay::focus(Window window)
{
    XSetInputFocus(display_, window, RevertToPointerRoot, CurrentTime);
    sync();
}

void TestDisplay::sync()
{
    XSync(display_, False);
}

}  // namespace fendwick
