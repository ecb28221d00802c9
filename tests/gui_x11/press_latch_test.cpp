// The latch that keeps a short click visible to the control that gets it.
#include "press_latch.h"

#include "platform_window.h"

#include <gtest/gtest.h>

namespace fendwick {
namespace {

TEST(X11PressLatch, PassesTheStateThroughWithoutAPress)
{
    PressLatch latch;
    EXPECT_EQ(latch.filter(0), 0);
    EXPECT_EQ(latch.filter(MouseState::primary | MouseState::shift), MouseState::primary | MouseState::shift);
}

TEST(X11PressLatch, AnswersAReleasedClickAsHeldOnce)
{
    PressLatch latch;
    latch.pressed(MouseState::control, MouseState::primary);
    EXPECT_EQ(latch.filter(0), MouseState::primary | MouseState::control);
    // The next poll sees the release, so a drag loop ends.
    EXPECT_EQ(latch.filter(0), 0);
}

TEST(X11PressLatch, AButtonStillHeldIsPolledAsItIs)
{
    PressLatch latch;
    latch.pressed(0, MouseState::primary);
    // Shift went down after the press: the poll must show the state now.
    EXPECT_EQ(latch.filter(MouseState::primary | MouseState::shift), MouseState::primary | MouseState::shift);
    EXPECT_EQ(latch.filter(0), 0);
}

TEST(X11PressLatch, OnlyThePressedButtonCounts)
{
    PressLatch latch;
    latch.pressed(0, MouseState::secondary);
    // The primary button is held, but the pressed one was already let go.
    EXPECT_EQ(latch.filter(MouseState::primary), MouseState::secondary);
}

TEST(X11PressLatch, NothingIsLatchedOnceThePressHasBeenHandedOn)
{
    PressLatch latch;
    latch.pressed(0, MouseState::primary);
    latch.handed();
    EXPECT_EQ(latch.filter(0), 0);
}

}  // namespace
}  // namespace fendwick
