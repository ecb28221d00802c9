// The error trap: errors of its connection are caught, the host's go on to
// the host's handler, and the host's handler is back afterwards.
// GoogleTest first: the X headers' macros (None, Bool) would break its names.
#include <gtest/gtest.h>

#include "test_display.h"
#include "x11_error_trap.h"

namespace fendwick {
namespace {

int hostHandlerCalls = 0;

int hostHandler(Display*, XErrorEvent*)
{
    ++hostHandlerCalls;
    return 0;
}

// Two connections: the window's own and one standing in for the host's.
class X11ErrorTrapTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ours = openTestConnection();
        theirs = openTestConnection();
        if (ours == nullptr || theirs == nullptr) {
            GTEST_SKIP() << "no X display (run under xvfb-run)";
        }
        // A window id that no longer names a window.
        gone = XCreateSimpleWindow(ours, DefaultRootWindow(ours), 0, 0, 1, 1, 0, 0, 0);
        XDestroyWindow(ours, gone);
        XSync(ours, False);
        hostHandlerCalls = 0;
        previousHandler = XSetErrorHandler(&hostHandler);
    }

    void TearDown() override
    {
        if (ours != nullptr && theirs != nullptr) {
            XSetErrorHandler(previousHandler);
        }
        for (Display* display : {ours, theirs}) {
            if (display != nullptr) {
                XCloseDisplay(display);
            }
        }
    }

    void failOn(Display* display)
    {
        XMapWindow(display, gone);
        XSync(display, False);
    }

    Display* ours = nullptr;
    Display* theirs = nullptr;
    Window gone = 0;
    XErrorHandler previousHandler = nullptr;
};

TEST_F(X11ErrorTrapTest, CatchesItsConnectionsErrorsAndNamesTheMissingWindow)
{
    X11ErrorTrap trap(ours);
    EXPECT_FALSE(trap.caughtAny());
    failOn(ours);
    EXPECT_TRUE(trap.caughtAny());
    EXPECT_TRUE(trap.caughtMissing(gone));
    EXPECT_FALSE(trap.caughtMissing(gone + 1));
    EXPECT_EQ(hostHandlerCalls, 0);
}

TEST_F(X11ErrorTrapTest, ErrorsOfOtherConnectionsReachTheHostsHandler)
{
    X11ErrorTrap trap(ours);
    failOn(theirs);
    EXPECT_EQ(hostHandlerCalls, 1);
    EXPECT_FALSE(trap.caughtAny());
}

TEST_F(X11ErrorTrapTest, NestedTrapsEachCatchTheirOwnConnection)
{
    X11ErrorTrap outer(ours);
    {
        X11ErrorTrap inner(theirs);
        failOn(ours);
        failOn(theirs);
        EXPECT_TRUE(outer.caughtAny());
        EXPECT_TRUE(inner.caughtAny());
    }
    failOn(theirs);
    EXPECT_EQ(hostHandlerCalls, 1);
}

TEST_F(X11ErrorTrapTest, TheHostsHandlerIsBackAfterTheTrap)
{
    {
        X11ErrorTrap trap(ours);
    }
    failOn(ours);
    EXPECT_EQ(hostHandlerCalls, 1);
    EXPECT_EQ(XSetErrorHandler(&hostHandler), &hostHandler);
}

}  // namespace
}  // namespace fendwick
