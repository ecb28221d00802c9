// Making and destroying backend windows: failures answer null, nothing is
// left behind, and a host that destroys its window first does not crash.
#include "x11_window_fixture.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace fendwick {
namespace {

size_t openFileCount()
{
    size_t count = 0;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
        static_cast<void>(entry);
        ++count;
    }
    return count;
}

// Sets DISPLAY for the scope of a test and puts the old value back.
class DisplayVariable {
public:
    explicit DisplayVariable(const char* value)
    {
        if (const char* old = std::getenv("DISPLAY")) {
            saved_ = old;
        }
        if (value != nullptr) {
            setenv("DISPLAY", value, 1);
        } else {
            unsetenv("DISPLAY");
        }
    }
    ~DisplayVariable()
    {
        if (saved_) {
            setenv("DISPLAY", saved_->c_str(), 1);
        } else {
            unsetenv("DISPLAY");
        }
    }

private:
    std::optional<std::string> saved_;
};

void* handleOf(Window window)
{
    return reinterpret_cast<void*>(static_cast<uintptr_t>(window));
}

TEST(X11WindowCreation, NullWithoutAUsableDisplay)
{
    const DisplayVariable unset(nullptr);
    EXPECT_EQ(createPlatformWindow(handleOf(0x400001), 40, 30), nullptr);
    const DisplayVariable invalid(":65432");
    EXPECT_EQ(createPlatformWindow(handleOf(0x400001), 40, 30), nullptr);
}

TEST_F(X11WindowTest, NullForNoParentOrAnEmptySize)
{
    EXPECT_EQ(createPlatformWindow(nullptr, 40, 30), nullptr);
    EXPECT_EQ(createPlatformWindow(desk.parentHandle(), 0, 30), nullptr);
    EXPECT_EQ(createPlatformWindow(desk.parentHandle(), 40, -1), nullptr);
    EXPECT_TRUE(desk.childrenOfParent().empty());
}

TEST_F(X11WindowTest, NullForAParentThatIsGone)
{
    const Window gone = XCreateSimpleWindow(desk.display(), desk.parent(), 0, 0, 10, 10, 0, 0, 0);
    XDestroyWindow(desk.display(), gone);
    desk.sync();
    EXPECT_EQ(createPlatformWindow(handleOf(gone), 40, 30), nullptr);
}

TEST_F(X11WindowTest, WindowIsAChildOfTheParentAtTheOriginWithItsSize)
{
    openWindow(51, 37);
    XWindowAttributes attributes{};
    ASSERT_NE(XGetWindowAttributes(desk.display(), child, &attributes), 0);
    EXPECT_EQ(attributes.x, 0);
    EXPECT_EQ(attributes.y, 0);
    EXPECT_EQ(attributes.width, 51);
    EXPECT_EQ(attributes.height, 37);
    EXPECT_EQ(attributes.map_state, IsViewable);
}

TEST_F(X11WindowTest, DestroyingLeavesNoChildBehind)
{
    openWindow();
    window.reset();
    // The destructor waited for the server: no sync of ours is needed.
    EXPECT_TRUE(desk.childrenOfParent().empty());
}

TEST_F(X11WindowTest, TwoHundredWindowsInARowLeakNoConnection)
{
    const size_t filesBefore = openFileCount();
    for (int i = 0; i < 200; ++i) {
        auto made = createPlatformWindow(desk.parentHandle(), 20, 20);
        ASSERT_NE(made, nullptr) << "window " << i;
    }
    EXPECT_EQ(openFileCount(), filesBefore);
    EXPECT_TRUE(desk.childrenOfParent().empty());
}

TEST_F(X11WindowTest, HostDestroyingItsWindowBeforeCloseIsSurvived)
{
    openWindow();
    desk.destroyParent();
    // The editor closes right away, before it has seen any event.
    window.reset();
    SUCCEED();
}

TEST_F(X11WindowTest, CallsAfterTheHostDestroyedItsWindowDoNothing)
{
    openWindow();
    desk.destroyParent();
    PixelSurface surface;
    surface.resize(windowWidth, windowHeight);
    RecordingSink sink;
    window->present(surface, Rect{0, 0, windowWidth, windowHeight});
    window->processEvents(sink);
    // A drag loop must end: no button may look held.
    EXPECT_EQ(window->mouseState(), 0);
    window->cursorPosition();
    window->dispatchOnePaint(sink);
    window->present(surface, Rect{0, 0, windowWidth, windowHeight});
    EXPECT_EQ(window->mouseState(), 0);
    window.reset();
}

}  // namespace
}  // namespace fendwick
