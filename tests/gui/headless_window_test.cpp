// The headless backend: what it shows, how it plays its script, its clock.
#include "headless_clock.h"
#include "headless_window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fendwick {
namespace {

// Writes down each event in the order the window hands them on.
class EventLog : public WindowEventSink {
public:
    virtual ~EventLog() = default;
    void paintArea(const Rect& area) override { log.push_back("paint " + std::to_string(area.right)); }
    void buttonDown(const Point& where) override { log.push_back("button " + std::to_string(where.x)); }
    void wheelTurned(const Point&, float distance) override
    {
        log.push_back("wheel " + std::to_string(static_cast<int>(distance)));
    }
    int32_t keyPressed(const KeyEvent& key) override
    {
        log.push_back("down " + std::to_string(key.virtualKey));
        return 1;
    }
    int32_t keyReleased(const KeyEvent& key) override
    {
        log.push_back("up " + std::to_string(key.virtualKey));
        return -1;
    }

    std::vector<std::string> log;
};

TEST(HeadlessWindow, StartsWithAPaintOfItselfAndHandsEventsOnInOrder)
{
    auto window = createPlatformWindow(nullptr, 30, 20);
    ASSERT_NE(window, nullptr);
    HeadlessWindow* w = HeadlessWindow::of(window.get());
    ASSERT_NE(w, nullptr);
    w->queueButtonDown(Point{4, 5});
    w->queueWheel(Point{}, -1.0f);
    w->queueKeyDown(KeyEvent{0, 12, 0});
    w->queueKeyUp(KeyEvent{0, 12, 0});
    EventLog sink;
    window->processEvents(sink);
    EXPECT_EQ(sink.log, (std::vector<std::string>{"paint 30", "button 4", "wheel -1", "down 12", "up 12"}));
    EXPECT_EQ(w->keyAnswers(), (std::vector<int32_t>{1, -1}));
    EXPECT_EQ(w->queuedEvents(), 0u);
}


TEST(HeadlessWindow, PresentCopiesOnlyTheArea)
{
    HeadlessWindow w(nullptr, 8, 4);
    PixelSurface s;
    s.resize(8, 4);
    for (uint32_t& p : s.pixels)
        p = 0xabcdefu;
    w.present(s, Rect{2, 1, 4, 3});
    EXPECT_EQ(w.presentedPixel(2, 1), 0xabcdefu);
    EXPECT_EQ(w.presentedPixel(3, 2), 0xabcdefu);
    EXPECT_EQ(w.presentedPixel(4, 2), 0u);
    EXPECT_EQ(w.presentedPixel(2, 3), 0u);
    w.present(s, Rect{-5, -5, 50, 50});
    EXPECT_EQ(w.presentedPixel(7, 3), 0xabcdefu);
    EXPECT_EQ(w.presentCount(), 2);
}

TEST(HeadlessWindow, ThePointerScriptPlaysStepByStepAndRepeatsItsLast)
{
    HeadlessWindow w(nullptr, 8, 4);
    EXPECT_EQ(w.mouseState(), 0);
    EXPECT_EQ(w.cursorPosition().x, 0);
    w.scriptPointer({{1, {10, 11}}, {9, {20, 21}}, {0, {30, 31}}});
    EXPECT_EQ(w.cursorPosition().x, 10);  // before any poll: the first step
    EXPECT_EQ(w.mouseState(), 1);
    EXPECT_EQ(w.cursorPosition().x, 10);
    EXPECT_EQ(w.cursorPosition().y, 11);
    EXPECT_EQ(w.mouseState(), 9);
    EXPECT_EQ(w.cursorPosition().x, 20);
    EXPECT_EQ(w.mouseState(), 0);
    EXPECT_EQ(w.mouseState(), 0);
    EXPECT_EQ(w.cursorPosition().y, 31);
    EXPECT_EQ(w.pointerStepsRead(), 4);
}

TEST(HeadlessClock, ManualTimeMovesOnlyWhenAdvancedOrSlept)
{
    HeadlessClock::useManualClock(1000);
    EXPECT_EQ(tickCountMs(), 1000u);
    sleepMs(4);
    HeadlessClock::advanceMs(50);
    EXPECT_EQ(tickCountMs(), 1054u);
    sleepMs(7);
    EXPECT_EQ(HeadlessClock::sleeps(), (std::vector<uint32_t>{4, 7}));
    HeadlessClock::clearSleeps();
    EXPECT_TRUE(HeadlessClock::sleeps().empty());
    HeadlessClock::useRealClock();
    const uint32_t before = tickCountMs();
    sleepMs(2);
    EXPECT_GE(tickCountMs() - before, 1u);
    EXPECT_TRUE(HeadlessClock::sleeps().empty());
}

}  // namespace
}  // namespace fendwick
