// The host window fixture of the X editor tests.
#include "host_window_fixture.h"

#include <X11/extensions/XTest.h>

#include <atomic>

namespace fendwick {

namespace {

constexpr int kParentWidth = 800;
constexpr int kParentHeight = 400;

}  // namespace

void HostWindowFixture::SetUp()
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
    library = std::make_unique<PluginLibrary>(std::string(FENDWICK_TEST_PLUGIN_DIR) + "/" + pluginFile_);
    plugin = std::make_unique<HostedPlugin>(*library);
}

void HostWindowFixture::TearDown()
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

std::vector<Window> HostWindowFixture::children()
{
    Window root = 0;
    Window parentOfParent = 0;
    Window* list = nullptr;
    unsigned int count = 0;
    XQueryTree(display, parent, &root, &parentOfParent, &list, &count);
    std::vector<Window> found(list, list + count);
    if (list != nullptr) {
        XFree(list);
    }
    return found;
}

Window HostWindowFixture::openEditor()
{
    return plugin->dispatch(EffectOpcode::editorOpen, 0, 0, parentHandle()) == 1 ? onlyChild() : 0;
}

XWindowAttributes HostWindowFixture::attributesOf(Window window)
{
    XWindowAttributes attributes;
    XGetWindowAttributes(display, window, &attributes);
    return attributes;
}

Window HostWindowFixture::onlyChild()
{
    const std::vector<Window> found = children();
    return found.size() == 1 ? found.front() : 0;
}

int HostWindowFixture::requestsFor(int32_t opcode, int32_t index) const
{
    int count = 0;
    for (const HostRequest& request : plugin->requests()) {
        count += request.opcode == opcode && request.index == index ? 1 : 0;
    }
    return count;
}

bool HostWindowFixture::dragUp(Window child, int x, int y, int pixels, int32_t index, float reached)
{
    int rootX = 0;
    int rootY = 0;
    Window unused = 0;
    XTranslateCoordinates(display, child, DefaultRootWindow(display), x, y, &rootX, &rootY, &unused);
    XTestFakeMotionEvent(display, -1, rootX, rootY, CurrentTime);
    XTestFakeButtonEvent(display, 1, True, CurrentTime);
    XFlush(display);

    // Another connection moves and releases the mouse while the knob's drag
    // loop runs inside the editor's idle. The button goes up in any case, so
    // that the drag loop always ends.
    const auto any = [](const HostRequest&) { return true; };
    const auto passed = [&](const HostRequest& request) { return request.option > reached; };
    std::atomic<bool> released{false};
    std::thread hand([&] {
        Display* second = XOpenDisplay(nullptr);
        waitUntil([&] { return sent(HostOpcode::beginEdit, index, any); });
        XTestFakeMotionEvent(second, -1, rootX, rootY - pixels, CurrentTime);
        XFlush(second);
        waitUntil([&] { return sent(HostOpcode::automate, index, passed); });
        XTestFakeButtonEvent(second, 1, False, CurrentTime);
        XFlush(second);
        XCloseDisplay(second);
        released = true;
    });
    const bool moved = idleUntil([&] { return released && plugin->getParameter(index) > reached; });
    hand.join();
    return moved;
}

void HostWindowFixture::expectOpensAsAChild(int width, int height)
{
    const Window child = openEditor();
    ASSERT_NE(child, 0u);
    const XWindowAttributes attributes = attributesOf(child);
    EXPECT_EQ(attributes.width, width);
    EXPECT_EQ(attributes.height, height);
    EXPECT_EQ(attributes.map_state, IsViewable);

    plugin->dispatch(EffectOpcode::editorClose);
    XSync(display, False);
    EXPECT_EQ(childCount(), 0);
}

void HostWindowFixture::expectKnobDragInsideOneEdit(int32_t index, int x, int y)
{
    plugin->dispatch(EffectOpcode::setEditorKnobMode, 0, 2);  // linear: up raises
    plugin->setParameter(index, 0.2f);
    const Window child = openEditor();
    ASSERT_NE(child, 0u);
    idleUntil([] { return true; });

    EXPECT_TRUE(dragUp(child, x, y, 100, index, 0.69f));
    EXPECT_NEAR(plugin->getParameter(index), 0.7f, 1e-5f);
    EXPECT_EQ(requestsFor(HostOpcode::beginEdit, index), 1);
    EXPECT_EQ(requestsFor(HostOpcode::endEdit, index), 1);
    EXPECT_GE(requestsFor(HostOpcode::automate, index), 1);
    plugin->dispatch(EffectOpcode::editorClose);
}

}  // namespace fendwick
