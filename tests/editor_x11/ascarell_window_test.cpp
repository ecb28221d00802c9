// The built ascarell library's editor inside a real X window: it opens as a
// child of the host's window, shows what the headless render shows, takes a
// mouse drag from XTest, and leaves nothing behind when it closes.
#include "ascarell_effect.h"
#include "editor_base.h"
#include "frame.h"
#include "headless_window.h"
#include "hosted_plugin.h"
#include "plugin_library.h"

#include <gtest/gtest.h>
// Xlib's macros (None, Bool, ...) would break the test framework's headers.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <string>
#include <thread>

namespace fendwick {
namespace {

constexpr int kParentWidth = 640;
constexpr int kParentHeight = 200;

intptr_t quietHost(EffectRecord*, int32_t opcode, int32_t, intptr_t, void*, float)
{
    return opcode == HostOpcode::version ? kInterfaceVersion : 0;
}

// The host's side: its own connection and a top-level window to put the
// editor in.
class HostWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        display = XOpenDisplay(nullptr);
        if (display == nullptr) {
            GTEST_SKIP() << "no X display";
        }
        int eventBase = 0;
        int errorBase = 0;
        int major = 0;
        int minor = 0;
        if (!XTestQueryExtension(display, &eventBase, &errorBase, &major, &minor)) {
            GTEST_SKIP() << "no XTest";
        }
        // Well below the screen's top edge, so that a drag upward has room.
        parent = XCreateSimpleWindow(display, DefaultRootWindow(display), 100, 300, kParentWidth, kParentHeight, 0, 0,
                                     0x202020);
        XMapRaised(display, parent);
        XSync(display, False);
        waitUntil([&] {
            XWindowAttributes attributes;
            XGetWindowAttributes(display, parent, &attributes);
            return attributes.map_state == IsViewable;
        });
        library = std::make_unique<PluginLibrary>(std::string(FENDWICK_TEST_PLUGIN_DIR) + "/ascarell.so");
        plugin = std::make_unique<HostedPlugin>(*library);
    }

    void TearDown() override
    {
        plugin.reset();
        library.reset();
        if (display != nullptr) {
            if (parent != 0) {
                XDestroyWindow(display, parent);
            }
            XCloseDisplay(display);
        }
    }

    void* parentHandle() const { return reinterpret_cast<void*>(static_cast<uintptr_t>(parent)); }

    Window onlyChild()
    {
        Window root = 0;
        Window parentOfParent = 0;
        Window* children = nullptr;
        unsigned int count = 0;
        XQueryTree(display, parent, &root, &parentOfParent, &children, &count);
        const Window child = count == 1 ? children[0] : 0;
        if (children != nullptr) {
            XFree(children);
        }
        return child;
    }

    int childCount()
    {
        Window root = 0;
        Window parentOfParent = 0;
        Window* children = nullptr;
        unsigned int count = 0;
        XQueryTree(display, parent, &root, &parentOfParent, &children, &count);
        if (children != nullptr) {
            XFree(children);
        }
        return static_cast<int>(count);
    }

    // Runs the host's idle until the condition holds.
    template <typename Condition>
    bool idleUntil(Condition condition)
    {
        return waitUntil([&] {
            plugin->dispatch(EffectOpcode::editorIdle);
            XSync(display, False);
            return condition();
        });
    }

    // Polls the condition; the deadline only keeps a broken run from
    // hanging, it is far beyond what any passing run needs.
    template <typename Condition>
    static bool waitUntil(Condition condition)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (!condition()) {
            if (std::chrono::steady_clock::now() > deadline) {
                return false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return true;
    }

    // Whether the plug-in has sent the host a request with this opcode for
    // this parameter, and the request passes the check.
    template <typename Check>
    bool sent(int32_t opcode, int32_t index, Check check) const
    {
        for (const HostRequest& request : plugin->requests()) {
            if (request.opcode == opcode && request.index == index && check(request)) {
                return true;
            }
        }
        return false;
    }

    Display* display = nullptr;
    Window parent = 0;
    std::unique_ptr<PluginLibrary> library;
    std::unique_ptr<HostedPlugin> plugin;
};

// What the editor shows for a fresh instance, drawn in-process headless.
PixelSurface headlessRender()
{
    AscarellEffect effect(quietHost, AscarellChannels::stereo);
    effect.dispatch(EffectOpcode::editorOpen, 0, 0, reinterpret_cast<void*>(1), 0.0f);
    effect.dispatch(EffectOpcode::editorIdle, 0, 0, nullptr, 0.0f);
    return HeadlessWindow::of(EditorBase::of(effect)->frame()->platformWindow())->presented();
}

TEST_F(HostWindow, EditorOpensAsAChildShowingTheHeadlessPicture)
{
    ASSERT_EQ(plugin->dispatch(EffectOpcode::editorOpen, 0, 0, parentHandle()), 1);
    const Window child = onlyChild();
    ASSERT_NE(child, 0u);
    XWindowAttributes attributes;
    XGetWindowAttributes(display, child, &attributes);
    EXPECT_EQ(attributes.width, 545);
    EXPECT_EQ(attributes.height, 139);

    const PixelSurface expected = headlessRender();
    int mismatches = 0;
    ASSERT_TRUE(idleUntil([&] {
        XImage* image = XGetImage(display, child, 0, 0, 545, 139, AllPlanes, ZPixmap);
        if (image == nullptr) {
            return false;
        }
        mismatches = 0;
        for (int y = 0; y < 139; ++y) {
            for (int x = 0; x < 545; ++x) {
                const uint32_t shown = static_cast<uint32_t>(XGetPixel(image, x, y)) & 0xffffffu;
                mismatches += shown != (expected.row(y)[x] & 0xffffffu) ? 1 : 0;
            }
        }
        XDestroyImage(image);
        return mismatches == 0;
    })) << mismatches << " pixels differ from the headless render";

    plugin->dispatch(EffectOpcode::editorClose);
    XSync(display, False);
    EXPECT_EQ(childCount(), 0);
}

TEST_F(HostWindow, AKnobDraggedWithTheMouseSetsItsParameter)
{
    plugin->dispatch(EffectOpcode::setEditorKnobMode, 0, 2);  // linear: up raises
    plugin->setParameter(1, 0.2f);
    ASSERT_EQ(plugin->dispatch(EffectOpcode::editorOpen, 0, 0, parentHandle()), 1);
    const Window child = onlyChild();
    ASSERT_NE(child, 0u);
    idleUntil([] { return true; });

    // The Ratio knob's centre, on the screen.
    int rootX = 0;
    int rootY = 0;
    Window unused = 0;
    XTranslateCoordinates(display, child, DefaultRootWindow(display), 84 + 16, 44 + 16, &rootX, &rootY, &unused);
    XTestFakeMotionEvent(display, -1, rootX, rootY, CurrentTime);
    XTestFakeButtonEvent(display, 1, True, CurrentTime);
    XFlush(display);

    // Another connection moves and releases the mouse while the knob's drag
    // loop runs inside the editor's idle: it moves once the drag has begun
    // (the knob has asked the host to begin an edit) and lets go once the
    // host has been told the new value. The button goes up in any case, so
    // that the drag loop always ends.
    const auto any = [](const HostRequest&) { return true; };
    const auto reachedTarget = [](const HostRequest& request) { return request.option > 0.69f; };
    std::atomic<bool> released{false};
    std::thread hand([&] {
        Display* second = XOpenDisplay(nullptr);
        waitUntil([&] { return sent(HostOpcode::beginEdit, 1, any); });
        XTestFakeMotionEvent(second, -1, rootX, rootY - 100, CurrentTime);
        XFlush(second);
        waitUntil([&] { return sent(HostOpcode::automate, 1, reachedTarget); });
        XTestFakeButtonEvent(second, 1, False, CurrentTime);
        XFlush(second);
        XCloseDisplay(second);
        released = true;
    });
    const bool moved = idleUntil([&] { return released && plugin->getParameter(1) > 0.6f; });
    hand.join();
    EXPECT_TRUE(moved);
    EXPECT_NEAR(plugin->getParameter(1), 0.7f, 1e-5f);

    int begins = 0;
    int ends = 0;
    int notices = 0;
    for (const HostRequest& request : plugin->requests()) {
        begins += request.opcode == HostOpcode::beginEdit && request.index == 1 ? 1 : 0;
        ends += request.opcode == HostOpcode::endEdit && request.index == 1 ? 1 : 0;
        notices += request.opcode == HostOpcode::automate && request.index == 1 ? 1 : 0;
    }
    EXPECT_EQ(begins, 1);
    EXPECT_EQ(ends, 1);
    EXPECT_GE(notices, 1);
    plugin->dispatch(EffectOpcode::editorClose);
}

TEST_F(HostWindow, OpeningAndClosingRepeatedlyLeavesNoWindows)
{
    for (int i = 0; i < 100; ++i) {
        ASSERT_EQ(plugin->dispatch(EffectOpcode::editorOpen, 0, 0, parentHandle()), 1);
        plugin->dispatch(EffectOpcode::editorIdle);
        plugin->dispatch(EffectOpcode::editorClose);
    }
    XSync(display, False);
    EXPECT_EQ(childCount(), 0);
}

TEST(EditorWithoutDisplay, OpenAnswersZeroAndAudioGoesOn)
{
    const char* saved = std::getenv("DISPLAY");
    const std::string display = saved != nullptr ? saved : "";
    setenv("DISPLAY", ":9999", 1);
    PluginLibrary library(std::string(FENDWICK_TEST_PLUGIN_DIR) + "/ascarell_mono.so");
    HostedPlugin plugin(library);
    EXPECT_EQ(plugin.dispatch(EffectOpcode::editorOpen, 0, 0, reinterpret_cast<void*>(0x400001)), 0);
    plugin.dispatch(EffectOpcode::editorIdle);
    plugin.dispatch(EffectOpcode::editorClose);
    plugin.setParameter(1, 0.4f);
    EXPECT_EQ(plugin.getParameter(1), 0.4f);
    if (saved != nullptr) {
        setenv("DISPLAY", display.c_str(), 1);
    } else {
        unsetenv("DISPLAY");
    }
}

}  // namespace
}  // namespace fendwick
