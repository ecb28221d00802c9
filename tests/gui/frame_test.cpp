// The frame: creation, its view list, drawing and redrawing, input routing
// and its thread rule, on a headless window.
#include "bitmap.h"
#include "draw_context.h"
#include "film_strip_knob.h"
#include "on_off_button.h"
#include "param_text_display.h"
#include "test_bitmaps.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <thread>

namespace fendwick {
namespace {

using MouseState::primary;

// A view that records what reaches it and fills itself with one colour.
class RecordingView : public View {
public:
    RecordingView(const Rect& size, uint32_t pixel, int32_t keyAnswer = -1, bool* deleted = nullptr)
        : View(size), pixel_(pixel), keyAnswer_(keyAnswer), deleted_(deleted)
    {
    }

    void draw(DrawContext& context) override
    {
        ++draws;
        context.setFillColor(Color{static_cast<uint8_t>(pixel_ >> 16), static_cast<uint8_t>(pixel_ >> 8),
                                   static_cast<uint8_t>(pixel_), 0});
        const Rect& r = viewSize();
        context.fillRect(Rect{r.left - 1, r.top - 1, r.right, r.bottom});
        View::draw(context);
    }
    void mouse(DrawContext&, const Point& where) override
    {
        ++clicks;
        lastClick = where;
        if (onMouse)
            onMouse();
    }
    int32_t keyDown(const KeyEvent&) override
    {
        ++keys;
        if (onKey)
            onKey();
        return keyAnswer_;
    }
    bool wheel(DrawContext*, const Point&, float) override
    {
        ++wheels;
        return true;
    }
    void loseFocus() override { ++focusLosses; }

    int32_t draws = 0;
    int32_t clicks = 0;
    int32_t keys = 0;
    int32_t wheels = 0;
    int32_t focusLosses = 0;
    Point lastClick{};
    std::function<void()> onMouse;
    std::function<void()> onKey;

protected:
    ~RecordingView() override
    {
        if (deleted_ != nullptr)
            *deleted_ = true;
    }

private:
    uint32_t pixel_;
    int32_t keyAnswer_;
    bool* deleted_;
};

TEST(FrameCreation, ReportsAWindowTheSystemRefuses)
{
    RecordingEditor editor;
    HeadlessWindow::setCreationRefused(true);
    EXPECT_EQ(Frame::create(Rect{0, 0, 100, 50}, nullptr, &editor), nullptr);
    HeadlessWindow::setCreationRefused(false);
    int32_t parent = 0;
    auto frame = Frame::create(Rect{0, 0, 100, 50}, &parent, &editor);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->parentWindow(), &parent);
    EXPECT_EQ(HeadlessWindow::of(frame->platformWindow())->parentWindow(), &parent);
    EXPECT_EQ(frame->editor(), &editor);
    EXPECT_EQ(frame->surface().width, 100);
}

TEST(FrameRender, ASmallEditorLooksAsExpected)
{
    HeadlessFrame f;
    Bitmap* background = new Bitmap(testart::artwork(), testart::background);
    f.frame->setBackground(background);
    background->release();
    Bitmap* strip = new Bitmap(testart::artwork(), testart::knobStrip);
    auto* knob = new FilmStripKnob(Rect{60, 20, 111, 71}, nullptr, 0, 81, 51, strip, Point{});
    strip->release();
    knob->setValue(0.25f);
    f.frame->addView(knob);
    Bitmap* buttonStrip = new Bitmap(testart::artwork(), testart::buttonStrip);
    auto* button = new OnOffButton(Rect{5, 60, 25, 70}, nullptr, 1, 10, buttonStrip, Point{});
    buttonStrip->release();
    button->setValue(1.0f);
    f.frame->addView(button);
    auto* text = new ParamTextDisplay(Rect{4, 4, 54, 17}, nullptr, 0);
    text->setValue(0.5f);
    text->setTextStyle(0);
    text->setFontColor(textCyanColor);
    f.frame->addView(text);

    f.frame->idle();  // the window's first paint
    const HeadlessWindow& w = *f.window;
    EXPECT_EQ(w.presentCount(), 1);
    EXPECT_EQ(w.presentedPixel(0, 0), testart::backgroundPixel(0, 0));
    EXPECT_EQ(w.presentedPixel(59, 40), testart::backgroundPixel(59, 40));
    EXPECT_EQ(w.presentedPixel(119, 79), testart::backgroundPixel(119, 79));
    EXPECT_EQ(w.presentedPixel(60, 20), testart::knobPixel(20));
    EXPECT_EQ(w.presentedPixel(110, 70), testart::knobPixel(20));
    EXPECT_EQ(w.presentedPixel(111, 70), testart::backgroundPixel(111, 70));
    EXPECT_EQ(w.presentedPixel(15, 65), testart::buttonOnPixel);
    // The text box: black inside, black outline one past its right edge.
    EXPECT_EQ(w.presentedPixel(5, 5), 0u);
    EXPECT_EQ(w.presentedPixel(54, 10), 0u);
    EXPECT_EQ(w.presentedPixel(55, 10), testart::backgroundPixel(55, 10));
    // "0.50" in plain type, 19 pixels wide, centred: its first column is
    // the left side of the first '0' (rows 1 to 5 of the glyph).
    const int32_t left = 4 + (50 - 19) / 2;
    const int32_t top = 4 + (13 - 9) / 2;
    EXPECT_EQ(w.presentedPixel(left, top + 1), 0x66ffffu);
    EXPECT_EQ(w.presentedPixel(left, top), 0u);
    EXPECT_EQ(w.presentedPixel(left + 1, top), 0x66ffffu);
    EXPECT_EQ(w.presentedPixel(left + 6, top + 6), 0x66ffffu);  // the point
}

TEST(FrameViews, TheListGrowsAndAnswersItsQuestions)
{
    HeadlessFrame f;
    std::vector<View*> added;
    for (int32_t i = 0; i < 45; ++i) {
        added.push_back(new RecordingView(Rect{i, 0, i + 1, 1}, 0));
        ASSERT_TRUE(f.frame->addView(added.back()));
    }
    EXPECT_EQ(f.frame->viewCount(), 45);
    EXPECT_EQ(f.frame->view(44), added[44]);
    EXPECT_EQ(f.frame->view(45), nullptr);
    EXPECT_EQ(f.frame->view(-1), nullptr);
    EXPECT_TRUE(f.frame->isChild(added[7]));
    EXPECT_EQ(added[7]->parentFrame(), f.frame.get());
    EXPECT_EQ(added[7]->editor(), &f.editor);

    added[7]->takeReference();
    f.frame->removeView(added[7], true);
    EXPECT_FALSE(f.frame->isChild(added[7]));
    EXPECT_EQ(f.frame->view(7), added[8]);
    EXPECT_EQ(added[7]->referenceCount(), 1);
    added[7]->release();

    f.frame->removeView(added[8], false);
    EXPECT_EQ(added[8]->referenceCount(), 1);
    added[8]->release();
    EXPECT_EQ(f.frame->viewCount(), 43);
}

TEST(FrameViews, ClosingTheFrameReleasesViewsAndBackground)
{
    bool deleted = false;
    Bitmap* background = new Bitmap(testart::artwork(), testart::background);
    {
        HeadlessFrame f;
        f.frame->addView(new RecordingView(Rect{0, 0, 5, 5}, 0, -1, &deleted));
        f.frame->setBackground(background);
        EXPECT_EQ(background->referenceCount(), 2);
        Bitmap* other = new Bitmap(testart::artwork(), testart::holes);
        f.frame->setBackground(other);
        other->release();
        EXPECT_EQ(background->referenceCount(), 1);
        f.frame->setBackground(background);
    }
    EXPECT_TRUE(deleted);
    EXPECT_EQ(background->referenceCount(), 1);
    background->release();
}

class FrameInput : public ::testing::Test {
protected:
    HeadlessFrame f;
};

TEST_F(FrameInput, AClickOnTwoOverlappingViewsGoesToTheLastAdded)
{
    auto* below = f.add(new RecordingView(Rect{10, 10, 50, 50}, 0x111111));
    auto* above = f.add(new RecordingView(Rect{30, 30, 70, 70}, 0x222222));
    f.click(Point{40, 40}, {{primary, {40, 40}}});
    EXPECT_EQ(above->clicks, 1);
    EXPECT_EQ(below->clicks, 0);
    EXPECT_EQ(above->lastClick.x, 40);
    // Bounds are inclusive: the right edge still hits.
    f.click(Point{70, 70}, {{primary, {70, 70}}});
    EXPECT_EQ(above->clicks, 2);
    f.click(Point{15, 15}, {{primary, {15, 15}}});
    EXPECT_EQ(below->clicks, 1);
}

TEST_F(FrameInput, AViewThatTakesNoMouseLetsTheClickThrough)
{
    auto* below = f.add(new RecordingView(Rect{10, 10, 50, 50}, 0));
    auto* above = f.add(new RecordingView(Rect{10, 10, 50, 50}, 0));
    above->setMouseEnabled(false);
    f.click(Point{20, 20}, {{primary, {20, 20}}});
    EXPECT_EQ(below->clicks, 1);
    EXPECT_EQ(above->clicks, 0);
}

TEST_F(FrameInput, AModalViewAloneTakesClicks)
{
    auto* normal = f.add(new RecordingView(Rect{0, 0, 100, 80}, 0));
    auto* modal = new RecordingView(Rect{10, 10, 20, 20}, 0);
    f.frame->setModalView(modal);
    f.click(Point{50, 50}, {{primary, {50, 50}}});
    EXPECT_EQ(normal->clicks, 0);
    EXPECT_EQ(modal->clicks, 0);
    f.click(Point{15, 15}, {{primary, {15, 15}}});
    EXPECT_EQ(modal->clicks, 1);
    f.frame->setModalView(nullptr);
    modal->release();
}

TEST_F(FrameInput, KeysGoToTheFocusViewThenFromTheLastAdded)
{
    auto* first = f.add(new RecordingView(Rect{0, 0, 5, 5}, 0, 7));
    auto* second = f.add(new RecordingView(Rect{0, 0, 5, 5}, 0, -1));
    auto* focus = f.add(new RecordingView(Rect{0, 0, 5, 5}, 0, -1));
    f.frame->setFocusView(focus);
    EXPECT_EQ(f.frame->keyDown(KeyEvent{'x', 0, 0}), 7);
    // The focus view is asked first and again in the list.
    EXPECT_EQ(focus->keys, 2);
    EXPECT_EQ(second->keys, 1);
    EXPECT_EQ(first->keys, 1);
    f.frame->removeView(first);
    EXPECT_EQ(f.frame->keyDown(KeyEvent{'x', 0, 0}), -1);
    EXPECT_EQ(f.frame->keyUp(KeyEvent{'x', 0, 0}), -1);
    // Through the window, with the answers handed back.
    f.window->queueKeyDown(KeyEvent{'x', 0, 0});
    f.frame->idle();
    EXPECT_EQ(f.window->keyAnswers(), (std::vector<int32_t>{-1}));
}

TEST_F(FrameInput, RemovingTheFocusViewLeavesNoFocusBehind)
{
    bool deleted = false;
    auto* other = f.add(new RecordingView(Rect{0, 0, 5, 5}, 0, -1));
    auto* focus = f.add(new RecordingView(Rect{10, 10, 20, 20}, 0, 3, &deleted));
    f.frame->setFocusView(focus);
    f.frame->removeView(focus);
    ASSERT_TRUE(deleted);
    EXPECT_EQ(f.frame->focusView(), nullptr);
    // The next key reaches only the views still in the frame.
    EXPECT_EQ(f.frame->keyDown(KeyEvent{'x', 0, 0}), -1);
    EXPECT_EQ(other->keys, 1);
}

TEST_F(FrameInput, AFocusViewMayRemoveItselfWhileHandlingAKey)
{
    bool deleted = false;
    auto* below = f.add(new RecordingView(Rect{0, 0, 5, 5}, 0, 4));
    auto* leaving = f.add(new RecordingView(Rect{0, 0, 5, 5}, 0, -1, &deleted));
    f.frame->setFocusView(leaving);
    leaving->onKey = [&] {
        f.frame->removeView(leaving);
        EXPECT_FALSE(deleted);
    };
    EXPECT_EQ(f.frame->keyDown(KeyEvent{'x', 0, 0}), 4);
    EXPECT_TRUE(deleted);
    EXPECT_EQ(below->keys, 1);
    EXPECT_EQ(f.frame->focusView(), nullptr);
}

TEST_F(FrameInput, WheelGoesToTheViewUnderTheCursorNow)
{
    auto* a = f.add(new RecordingView(Rect{0, 0, 20, 20}, 0));
    auto* b = f.add(new RecordingView(Rect{40, 40, 60, 60}, 0));
    f.window->scriptPointer({{0, {50, 50}}});
    EXPECT_TRUE(f.frame->wheel(nullptr, Point{5, 5}, 1.0f));
    EXPECT_EQ(b->wheels, 1);
    EXPECT_EQ(a->wheels, 0);
    f.window->scriptPointer({{0, {90, 5}}});
    EXPECT_FALSE(f.frame->wheel(nullptr, Point{5, 5}, 1.0f));
    EXPECT_EQ(f.frame->currentLocation().x, 90);
}

TEST_F(FrameInput, EventsWaitWhileAControlTracksTheMouse)
{
    auto* keyTaker = f.add(new RecordingView(Rect{80, 0, 90, 10}, 0, 1));
    auto* tracker = f.add(new RecordingView(Rect{0, 0, 20, 20}, 0));
    tracker->onMouse = [&] {
        f.window->queueKeyDown(KeyEvent{'k', 0, 0});
        f.frame->idle();  // what the editor's idle wait does
        EXPECT_EQ(keyTaker->keys, 0);
    };
    f.click(Point{5, 5}, {{primary, {5, 5}}});
    EXPECT_EQ(tracker->clicks, 1);
    EXPECT_EQ(f.window->queuedEvents(), 1u);
    f.frame->idle();
    EXPECT_EQ(keyTaker->keys, 1);
}

TEST_F(FrameInput, AViewMayRemoveItselfWhileHandlingItsClick)
{
    bool deleted = false;
    auto* leaving = f.add(new RecordingView(Rect{0, 0, 20, 20}, 0, -1, &deleted));
    leaving->onMouse = [&] {
        f.frame->removeView(leaving);
        EXPECT_FALSE(deleted);
    };
    f.click(Point{5, 5}, {{primary, {5, 5}}});
    EXPECT_TRUE(deleted);
    EXPECT_EQ(f.frame->viewCount(), 0);
}

class FrameRedraw : public ::testing::Test {
protected:
    void SetUp() override
    {
        a = f.add(new RecordingView(Rect{0, 0, 10, 10}, 0x0000aa));
        b = f.add(new RecordingView(Rect{20, 20, 30, 30}, 0x0000bb));
    }

    HeadlessFrame f;
    RecordingView* a = nullptr;
    RecordingView* b = nullptr;
};

TEST_F(FrameRedraw, NothingIsRedrawnBeforeTheFirstPaint)
{
    a->setDirty(true);
    f.frame->idleRedraw();
    EXPECT_EQ(a->draws, 0);
    EXPECT_EQ(f.window->presentCount(), 0);
    f.frame->idle();
    EXPECT_EQ(a->draws, 1);
    EXPECT_EQ(f.window->presentedPixel(5, 5), 0x0000aau);
}

TEST_F(FrameRedraw, IdleDrawsOnlyDirtyViewsAndPresentsOnlyTheirArea)
{
    f.frame->idle();
    const int32_t presents = f.window->presentCount();
    f.frame->idle();
    EXPECT_EQ(f.window->presentCount(), presents);
    b->setDirty(true);
    f.frame->idle();
    EXPECT_EQ(a->draws, 1);
    EXPECT_EQ(b->draws, 2);
    EXPECT_EQ(f.window->lastPresentedArea(), (Rect{20, 20, 30, 30}));
}

TEST_F(FrameRedraw, ADirtyFrameRedrawsEverything)
{
    f.frame->idle();
    f.frame->setDirty(true);
    f.frame->idle();
    EXPECT_EQ(a->draws, 2);
    EXPECT_EQ(b->draws, 2);
    EXPECT_FALSE(f.frame->isDirty());
}

TEST_F(FrameRedraw, RedrawNowDrawsAtOnceAndAStrangerRedrawsTheWholeFrame)
{
    f.frame->redrawViewNow(b);
    EXPECT_EQ(b->draws, 1);
    EXPECT_EQ(a->draws, 0);
    EXPECT_EQ(f.window->presentedPixel(25, 25), 0x0000bbu);
    auto* stranger = new RecordingView(Rect{0, 0, 1, 1}, 0);
    f.frame->redrawViewNow(stranger);
    EXPECT_EQ(stranger->draws, 0);
    EXPECT_EQ(a->draws, 1);
    EXPECT_EQ(b->draws, 2);
    stranger->release();
}

TEST_F(FrameRedraw, PaintRequestsDrawTheirArea)
{
    f.frame->idle();
    f.window->queuePaint(Rect{0, 0, 5, 5});
    f.frame->idle();
    EXPECT_EQ(a->draws, 2);
    EXPECT_EQ(b->draws, 1);
    f.window->queuePaint(Rect{21, 21, 22, 22});
    f.window->queueKeyDown(KeyEvent{});
    EXPECT_TRUE(f.frame->dispatchOnePaint());
    EXPECT_EQ(b->draws, 2);
    EXPECT_FALSE(f.frame->dispatchOnePaint());
    EXPECT_EQ(f.window->queuedEvents(), 1u);
}

TEST_F(FrameRedraw, IdleFromAnotherThreadIsRefused)
{
    f.frame->idle();
    const int32_t presents = f.window->presentCount();
    b->setDirty(true);
    std::thread([&] { f.frame->idle(); }).join();
    EXPECT_EQ(b->draws, 1);
    EXPECT_EQ(f.window->presentCount(), presents);
    EXPECT_FALSE(f.window->calledFromOtherThread());
    f.frame->idle();
    EXPECT_EQ(b->draws, 2);
    EXPECT_EQ(a->draws, 1);
}

}  // namespace
}  // namespace fendwick
