// A child window of the host's window that shows a PixelSurface through Xlib.
#include "x11_window.h"

#include "key_translation.h"
#include "x11_error_trap.h"

#include <X11/Xutil.h>

#include <algorithm>
#include <cstring>

namespace fendwick {

namespace {

constexpr long eventMask =
    ExposureMask | ButtonPressMask | ButtonReleaseMask | KeyPressMask | KeyReleaseMask | StructureNotifyMask;

// The wheel arrives as presses of buttons 4 (away from the user) and 5.
constexpr unsigned int wheelUpButton = Button4;
constexpr unsigned int wheelDownButton = Button5;

int hostByteOrder()
{
    const uint32_t probe = 1;
    unsigned char first = 0;
    std::memcpy(&first, &probe, 1);
    return first == 1 ? LSBFirst : MSBFirst;
}

Rect exposedArea(const XExposeEvent& event)
{
    return Rect{event.x, event.y, event.x + event.width, event.y + event.height};
}

}  // namespace

std::unique_ptr<PlatformWindow> X11Window::create(Window parent, int32_t width, int32_t height)
{
    if (parent == 0 || width <= 0 || height <= 0) {
        return nullptr;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return nullptr;
    }
    std::unique_ptr<X11Window> window(new X11Window(display));
    if (!window->open(parent, width, height)) {
        return nullptr;
    }
    return window;
}

X11Window::X11Window(Display* display) : display_(display)
{
}

X11Window::~X11Window()
{
    X11ErrorTrap trap(display_);
    if (image_ != nullptr) {
        image_->data = nullptr;
        XDestroyImage(image_);
    }
    if (gc_ != nullptr) {
        XFreeGC(display_, gc_);
    }
    if (window_ != 0 && windowAlive_) {
        XDestroyWindow(display_, window_);
    }
    // The window is gone from the server before the editor's close returns.
    XSync(display_, False);
    XCloseDisplay(display_);
}

bool X11Window::open(Window parent, int32_t width, int32_t height)
{
    X11ErrorTrap trap(display_);
    XWindowAttributes parentAttributes{};
    if (XGetWindowAttributes(display_, parent, &parentAttributes) == 0) {
        return false;
    }
    Screen* screen = parentAttributes.screen;
    Visual* visual = DefaultVisualOfScreen(screen);
    if (visual->c_class != TrueColor && visual->c_class != DirectColor) {
        return false;
    }
    const int depth = DefaultDepthOfScreen(screen);

    // The screen's default visual with its own colormap, so the window is
    // valid whatever visual the host's window uses; no background, so an
    // exposed area keeps its old pixels until the toolkit paints it.
    XSetWindowAttributes attributes{};
    attributes.background_pixmap = None;
    attributes.border_pixel = 0;
    attributes.colormap = DefaultColormapOfScreen(screen);
    attributes.event_mask = eventMask;
    window_ = XCreateWindow(display_, parent, 0, 0, static_cast<unsigned int>(width),
                            static_cast<unsigned int>(height), 0, depth, InputOutput, visual,
                            CWBackPixmap | CWBorderPixel | CWColormap | CWEventMask, &attributes);
    gc_ = XCreateGC(display_, window_, 0, nullptr);
    XMapWindow(display_, window_);
    XSync(display_, False);
    if (trap.caughtAny()) {
        windowAlive_ = !trap.caughtMissing(window_);
        return false;
    }
    format_ = PixelFormat(visual->red_mask, visual->green_mask, visual->blue_mask, depth);
    return makeImage(visual, depth, width, height);
}

bool X11Window::makeImage(Visual* visual, int depth, int32_t width, int32_t height)
{
    image_ = XCreateImage(display_, visual, static_cast<unsigned int>(depth), ZPixmap, 0, nullptr,
                          static_cast<unsigned int>(width), static_cast<unsigned int>(height), 32, 0);
    if (image_ == nullptr) {
        return false;
    }
    // Rows padded to 32 bits, so whole words hold every row.
    const size_t rowWords = static_cast<size_t>(image_->bytes_per_line) / sizeof(uint32_t);
    imageData_.assign(rowWords * static_cast<size_t>(height), 0u);
    image_->data = reinterpret_cast<char*>(imageData_.data());
    wordPixels_ = image_->bits_per_pixel == 32;
    if (wordPixels_) {
        // XPutImage swaps bytes itself when the server's order differs.
        image_->byte_order = hostByteOrder();
    }
    return true;
}

void X11Window::present(const PixelSurface& surface, const Rect& area)
{
    if (!windowAlive_ ||
        surface.pixels.size() < static_cast<size_t>(surface.width) * static_cast<size_t>(surface.height)) {
        return;
    }
    Rect clipped;
    clipped.left = std::max(area.left, 0);
    clipped.top = std::max(area.top, 0);
    clipped.right = std::min({area.right, surface.width, image_->width});
    clipped.bottom = std::min({area.bottom, surface.height, image_->height});
    if (clipped.width() <= 0 || clipped.height() <= 0) {
        return;
    }
    copyToImage(surface, clipped);
    X11ErrorTrap trap(display_);
    XPutImage(display_, window_, gc_, image_, clipped.left, clipped.top, clipped.left, clipped.top,
              static_cast<unsigned int>(clipped.width()), static_cast<unsigned int>(clipped.height()));
    XFlush(display_);
    noteErrors(trap);
}

void X11Window::copyToImage(const PixelSurface& surface, const Rect& area)
{
    const int32_t count = area.width();
    const size_t rowWords = static_cast<size_t>(image_->bytes_per_line) / sizeof(uint32_t);
    for (int32_t y = area.top; y < area.bottom; ++y) {
        const uint32_t* source = surface.row(y) + area.left;
        if (wordPixels_) {
            uint32_t* target = imageData_.data() + static_cast<size_t>(y) * rowWords + area.left;
            if (format_.matchesSurface()) {
                std::memcpy(target, source, static_cast<size_t>(count) * sizeof(uint32_t));
            } else {
                format_.convertRow(source, target, count);
            }
        } else {
            // 16- and 24-bit pixels: rare today, so Xlib packs them.
            for (int32_t x = 0; x < count; ++x) {
                XPutPixel(image_, area.left + x, y, format_.pixelOf(source[x]));
            }
        }
    }
}

void X11Window::processEvents(WindowEventSink& sink)
{
    int waiting = 0;
    {
        X11ErrorTrap trap(display_);
        waiting = XPending(display_);
        noteErrors(trap);
    }
    // Only the events waiting now: what arrives while the sink works (during
    // a drag, say) waits for the next idle, so this never loops for long.
    for (; waiting > 0; --waiting) {
        // A paint handed on from within the sink may have emptied the queue.
        if (XQLength(display_) == 0) {
            break;
        }
        XEvent event;
        XNextEvent(display_, &event);
        handle(event, sink);
    }
}

bool X11Window::dispatchOnePaint(WindowEventSink& sink)
{
    XEvent event;
    Bool found = False;
    {
        X11ErrorTrap trap(display_);
        found = XCheckTypedWindowEvent(display_, window_, Expose, &event);
        noteErrors(trap);
    }
    if (found == False) {
        return false;
    }
    sink.paintArea(exposedArea(event.xexpose));
    return true;
}

void X11Window::handle(XEvent& event, WindowEventSink& sink)
{
    switch (event.type) {
    case Expose:
        sink.paintArea(exposedArea(event.xexpose));
        break;
    case ButtonPress:
        handleButton(event.xbutton, sink);
        break;
    case KeyPress:
    case KeyRelease: {
        char text[8] = {};
        KeySym keysym = NoSymbol;
        const int length = XLookupString(&event.xkey, text, sizeof text, &keysym, nullptr);
        const KeyEvent key = keyEventFor(keysym, text, length, event.xkey.state);
        if (event.type == KeyPress) {
            sink.keyPressed(key);
        } else {
            sink.keyReleased(key);
        }
        break;
    }
    case DestroyNotify:
        if (event.xdestroywindow.window == window_) {
            windowAlive_ = false;
        }
        break;
    case MappingNotify:
        XRefreshKeyboardMapping(&event.xmapping);
        break;
    default:
        // Button releases end a drag that the control has already polled.
        break;
    }
}

void X11Window::handleButton(const XButtonEvent& event, WindowEventSink& sink)
{
    const Point where{event.x, event.y};
    if (event.button == wheelUpButton) {
        sink.wheelTurned(where, 1.0f);
        return;
    }
    if (event.button == wheelDownButton) {
        sink.wheelTurned(where, -1.0f);
        return;
    }
    const int32_t buttonBit = mouseStateBitOfButton(event.button);
    if (buttonBit == 0) {
        return;
    }
    pressLatch_.pressed(mouseStateFor(event.state), buttonBit);
    sink.buttonDown(where);
    pressLatch_.handed();
}

int32_t X11Window::mouseState()
{
    return pressLatch_.filter(mouseStateFor(readPointer().mask));
}

Point X11Window::cursorPosition()
{
    return readPointer().where;
}

X11Window::PointerReading X11Window::readPointer()
{
    PointerReading reading;
    if (!windowAlive_) {
        return reading;
    }
    Window root = 0;
    Window child = 0;
    int rootX = 0;
    int rootY = 0;
    int x = 0;
    int y = 0;
    unsigned int mask = 0;
    X11ErrorTrap trap(display_);
    const Bool sameScreen = XQueryPointer(display_, window_, &root, &child, &rootX, &rootY, &x, &y, &mask);
    noteErrors(trap);
    if (!windowAlive_) {
        return PointerReading{};
    }
    reading.mask = mask;
    if (sameScreen != False) {
        reading.where = Point{x, y};
    }
    return reading;
}

void X11Window::noteErrors(const X11ErrorTrap& trap)
{
    if (trap.caughtMissing(window_)) {
        windowAlive_ = false;
    }
}

}  // namespace fendwick
