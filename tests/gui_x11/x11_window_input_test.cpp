// Input through the server: clicks, wheel, keys and paints reach the sink,
// and the polled mouse state sees what the user holds.
#include "x11_window_fixture.h"

#include <X11/X.h>
#include <X11/keysym.h>

#include <algorithm>
#include <vector>

namespace fendwick {
namespace {

class X11Input : public X11WindowTest {
protected:
    void SetUp() override
    {
        X11WindowTest::SetUp();
        if (IsSkipped()) {
            return;
        }
        if (!desk.canFakeInput()) {
            GTEST_SKIP() << "the X server has no XTest extension";
        }
        openWindow();
        drainEvents();
        desk.movePointer(child, Point{20, 30});
        desk.focus(child);
    }
};

TEST_F(X11Input, MappingTheWindowAsksToPaintAllOfIt)
{
    window.reset();
    openWindow();
    RecordingSink sink;
    int32_t coveredPixels = 0;
    ASSERT_TRUE(pumpUntil(sink, [&] {
        for (const Rect& area : sink.paints) {
            coveredPixels += area.width() * area.height();
        }
        sink.paints.clear();
        return coveredPixels >= windowWidth * windowHeight;
    }));
}

TEST_F(X11Input, ClickOfEachButtonReachesTheSinkAtItsPoint)
{
    RecordingSink sink;
    for (const unsigned int button : {Button1, Button2, Button3}) {
        desk.pressButton(button);
        desk.releaseButton(button);
    }
    ASSERT_TRUE(pumpUntil(sink, [&] { return sink.presses.size() == 3; }));
    for (const Point& where : sink.presses) {
        EXPECT_EQ(where.x, 20);
        EXPECT_EQ(where.y, 30);
    }
    // The releases were consumed without giving anything more.
    desk.sync();
    window->processEvents(sink);
    EXPECT_EQ(sink.eventCount(), 3u);
}

TEST_F(X11Input, WheelUpAndDownTurnByOneNotchEach)
{
    RecordingSink sink;
    desk.movePointer(child, Point{40, 12});
    desk.pressButton(Button4);
    desk.releaseButton(Button4);
    desk.pressButton(Button5);
    desk.releaseButton(Button5);
    ASSERT_TRUE(pumpUntil(sink, [&] { return sink.wheels.size() == 2; }));
    EXPECT_EQ(sink.wheels[0].distance, 1.0f);
    EXPECT_EQ(sink.wheels[1].distance, -1.0f);
    EXPECT_EQ(sink.wheels[0].where.x, 40);
    EXPECT_EQ(sink.wheels[0].where.y, 12);
    // A wheel notch is no button press.
    EXPECT_TRUE(sink.presses.empty());
}

TEST_F(X11Input, KeysArriveAsPressAndReleaseWithCharacter)
{
    RecordingSink sink;
    desk.pressKey(XK_a);
    desk.releaseKey(XK_a);
    ASSERT_TRUE(pumpUntil(sink, [&] { return sink.keysUp.size() == 1; }));
    ASSERT_EQ(sink.keysDown.size(), 1u);
    EXPECT_EQ(sink.keysDown[0].character, 'a');
    EXPECT_EQ(sink.keysDown[0].virtualKey, 0);
    EXPECT_EQ(sink.keysDown[0].modifiers, 0);
    EXPECT_EQ(sink.keysUp[0].character, 'a');
}

TEST_F(X11Input, ArrowKeysWithModifiersGiveVirtualKeysAndBits)
{
    RecordingSink sink;
    for (const unsigned long modifier : {XK_Shift_L, XK_Control_L}) {
        desk.pressKey(modifier);
        desk.pressKey(modifier == XK_Shift_L ? XK_Up : XK_Left);
        desk.releaseKey(modifier == XK_Shift_L ? XK_Up : XK_Left);
        desk.releaseKey(modifier);
    }
    // Four downs: each modifier, each arrow.
    ASSERT_TRUE(pumpUntil(sink, [&] { return sink.keysDown.size() == 4; }));
    EXPECT_EQ(sink.keysDown[1].virtualKey, 12);
    EXPECT_EQ(sink.keysDown[1].modifiers, 1);
    EXPECT_EQ(sink.keysDown[3].virtualKey, 11);
    EXPECT_EQ(sink.keysDown[3].modifiers, 8);
}

TEST_F(X11Input, MouseStateSeesHeldButtonsAndModifiers)
{
    EXPECT_EQ(window->mouseState(), 0);
    desk.pressButton(Button1);
    desk.pressKey(XK_Control_L);
    EXPECT_EQ(window->mouseState(), MouseState::primary | MouseState::control);
    desk.releaseKey(XK_Control_L);
    desk.pressKey(XK_Alt_L);
    EXPECT_EQ(window->mouseState(), MouseState::primary | MouseState::alt);
    desk.releaseKey(XK_Alt_L);
    desk.releaseButton(Button1);
    desk.pressButton(Button3);
    EXPECT_EQ(window->mouseState(), MouseState::secondary);
    desk.releaseButton(Button3);
    EXPECT_EQ(window->mouseState(), 0);
}

TEST_F(X11Input, CursorPositionIsRelativeToTheWindow)
{
    desk.movePointer(child, Point{33, 7});
    EXPECT_EQ(window->cursorPosition().x, 33);
    EXPECT_EQ(window->cursorPosition().y, 7);
    // Outside the window the position goes on, negative to the left.
    desk.movePointer(child, Point{-5, windowHeight + 10});
    EXPECT_EQ(window->cursorPosition().x, -5);
    EXPECT_EQ(window->cursorPosition().y, windowHeight + 10);
}

TEST_F(X11Input, DragLoopPollsTheHeldButtonUntilItsRelease)
{
    // The sink acts as a knob: it polls while the button is held and runs
    // the idle wait's paint; the release and a paint arrive during the drag.
    RecordingSink sink;
    int passes = 0;
    std::vector<Point> track;
    bool sawPrimaryAtStart = false;
    sink.whileButtonDown = [&](const Point&) {
        sawPrimaryAtStart = (window->mouseState() & MouseState::primary) != 0;
        const uint32_t start = tickCountMs();
        while ((window->mouseState() & MouseState::primary) != 0 && tickCountMs() - start < 3000) {
            ++passes;
            track.push_back(window->cursorPosition());
            if (passes == 3) {
                desk.movePointer(child, Point{25, 10});
                XClearArea(desk.display(), child, 1, 2, 3, 4, True);
            }
            if (passes == 5) {
                desk.releaseButton(Button1);
            }
            window->dispatchOnePaint(sink);
            sleepMs(1);
        }
    };
    desk.pressButton(Button1);
    ASSERT_TRUE(pumpUntil(sink, [&] { return sink.presses.size() == 1; }));
    EXPECT_TRUE(sawPrimaryAtStart);
    EXPECT_EQ(passes, 5);
    EXPECT_EQ(track.front().x, 20);
    EXPECT_EQ(track.back().x, 25);
    EXPECT_EQ(track.back().y, 10);
    // After the drag, the queued release gives nothing: no second press.
    desk.sync();
    sleepMs(20);
    window->processEvents(sink);
    window->processEvents(sink);
    EXPECT_EQ(sink.presses.size(), 1u);
    // The paint asked for during the drag was handed on once, then or now.
    auto dragPaints = [&] {
        return std::count_if(sink.paints.begin(), sink.paints.end(), [](const Rect& area) {
            return area.left == 1 && area.top == 2 && area.right == 4 && area.bottom == 6;
        });
    };
    ASSERT_TRUE(pumpUntil(sink, [&] { return dragPaints() >= 1; }));
    EXPECT_EQ(dragPaints(), 1);
}

TEST_F(X11Input, ClickReleasedBeforeItIsHandedOnStillLooksPressedToTheControl)
{
    // The editor reads events only at its idle; by then a quick click is
    // over. The control's first poll must still see the button, the next
    // ones the release, so a switch toggles and a drag loop ends.
    RecordingSink sink;
    std::vector<int32_t> polls;
    sink.whileButtonDown = [&](const Point&) {
        polls.push_back(window->mouseState());
        polls.push_back(window->mouseState());
    };
    desk.pressKey(XK_Control_L);
    desk.pressButton(Button1);
    desk.releaseButton(Button1);
    desk.releaseKey(XK_Control_L);
    ASSERT_TRUE(pumpUntil(sink, [&] { return sink.presses.size() == 1; }));
    ASSERT_EQ(polls.size(), 2u);
    EXPECT_EQ(polls[0], MouseState::primary | MouseState::control);
    EXPECT_EQ(polls[1], 0);
    // Outside a press the state is read as it is.
    EXPECT_EQ(window->mouseState(), 0);
}

TEST_F(X11Input, PaintTakenDuringAClickLeavesTheRestOfTheQueueIntact)
{
    // A quick click and a paint wait together; the control's idle wait
    // takes the paint while the click is handed on. Handing on the rest
    // must neither block on the emptied queue nor lose the key after it.
    RecordingSink sink;
    bool paintedDuringClick = false;
    sink.whileButtonDown = [&](const Point&) {
        const uint32_t start = tickCountMs();
        while (!paintedDuringClick && tickCountMs() - start < 3000) {
            paintedDuringClick = window->dispatchOnePaint(sink);
        }
    };
    desk.pressButton(Button1);
    desk.releaseButton(Button1);
    XClearArea(desk.display(), child, 0, 0, 4, 4, True);
    desk.pressKey(XK_d);
    desk.releaseKey(XK_d);
    sleepMs(20);
    ASSERT_TRUE(pumpUntil(sink, [&] { return sink.keysUp.size() == 1; }));
    EXPECT_TRUE(paintedDuringClick);
    EXPECT_EQ(sink.presses.size(), 1u);
    EXPECT_EQ(sink.paints.size(), 1u);
    EXPECT_EQ(sink.keysDown.size(), 1u);
}

TEST_F(X11Input, OnePaintIsHandedOnAndOtherEventsWait)
{
    RecordingSink sink;
    desk.pressKey(XK_c);
    desk.releaseKey(XK_c);
    XClearArea(desk.display(), child, 5, 6, 7, 8, True);
    desk.sync();
    // Events reach the connection a little after the server made them.
    const uint32_t start = tickCountMs();
    bool painted = false;
    while (!painted && tickCountMs() - start < 3000) {
        painted = window->dispatchOnePaint(sink);
        sleepMs(1);
    }
    ASSERT_TRUE(painted);
    ASSERT_EQ(sink.paints.size(), 1u);
    EXPECT_EQ(sink.paints[0].left, 5);
    EXPECT_EQ(sink.paints[0].top, 6);
    EXPECT_EQ(sink.paints[0].right, 12);
    EXPECT_EQ(sink.paints[0].bottom, 14);
    EXPECT_FALSE(window->dispatchOnePaint(sink));
    EXPECT_TRUE(sink.keysDown.empty());
    // The key was kept for the next processEvents.
    ASSERT_TRUE(pumpUntil(sink, [&] { return sink.keysUp.size() == 1; }));
    EXPECT_EQ(sink.keysDown.size(), 1u);
    EXPECT_EQ(sink.paints.size(), 1u);
}

}  // namespace
}  // namespace fendwick
