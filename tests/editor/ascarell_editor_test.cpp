// The single-band editor in-process on the headless window: layout, values
// shown, the flow between controls, parameters and host, and its lifecycle.
#include "ascarell_editor_layout.h"
#include "ascarell_effect.h"
#include "ascarell_parameters.h"
#include "editor_base.h"
#include "film_strip_knob.h"
#include "frame.h"
#include "knob_mode.h"
#include "on_off_button.h"
#include "param_text_display.h"
#include "headless_window.h"
#include "recording_host.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace fendwick {
namespace {

using P = AscarellParam::Index;

// The views the editor adds after one control per row of its layout.
namespace ViewIndex {
constexpr int32_t textDisplay = static_cast<int32_t>(std::size(AscarellLayout::controls));
constexpr int32_t stripButton = textDisplay + 1;
constexpr int32_t count = stripButton + 1;
}  // namespace ViewIndex

bool overlap(const Rect& a, const Rect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

void* const kParentWindow = reinterpret_cast<void*>(0x2a);

class AscarellEditorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RecordingHost::clear();
        setKnobMode(KnobMode::circular);
        effect = std::make_unique<AscarellEffect>(&RecordingHost::callback, AscarellChannels::stereo);
    }
    void TearDown() override
    {
        effect.reset();
        setKnobMode(KnobMode::circular);
    }

    intptr_t dispatch(int32_t opcode, int32_t index = 0, intptr_t value = 0, void* pointer = nullptr)
    {
        return effect->dispatch(opcode, index, value, pointer, 0.0f);
    }
    void open() { ASSERT_EQ(dispatch(EffectOpcode::editorOpen, 0, 0, kParentWindow), 1); }
    Frame* frame() { return EditorBase::of(*effect)->frame(); }
    HeadlessWindow* window() { return HeadlessWindow::of(frame()->platformWindow()); }
    template <typename T>
    T* viewAt(int32_t index)
    {
        return dynamic_cast<T*>(frame()->view(index));
    }
    // The knobs and switches of the open frame that carry `tag`.
    std::vector<Control*> controlsTagged(int32_t tag)
    {
        std::vector<Control*> found;
        for (int32_t i = 0; i < frame()->viewCount(); ++i) {
            View* view = frame()->view(i);
            auto* control = dynamic_cast<Control*>(view);
            const bool knobOrSwitch = dynamic_cast<FilmStripKnob*>(view) || dynamic_cast<OnOffButton*>(view);
            if (knobOrSwitch && control->tag() == tag) {
                found.push_back(control);
            }
        }
        return found;
    }
    template <typename T>
    T* controlFor(int32_t parameter)
    {
        const std::vector<Control*> found = controlsTagged(parameter);
        return found.size() == 1 ? dynamic_cast<T*>(found.front()) : nullptr;
    }
    FilmStripKnob* knobFor(int32_t parameter) { return controlFor<FilmStripKnob>(parameter); }
    std::string displayText()
    {
        char text[128];
        viewAt<ParamTextDisplay>(ViewIndex::textDisplay)->text(text, sizeof text);
        return text;
    }
    void idle() { dispatch(EffectOpcode::editorIdle); }
    // Centre of a view, in frame coordinates.
    Point centreOf(View* view)
    {
        const Rect& r = view->viewSize();
        return Point{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    int32_t requestsFor(int32_t opcode, int32_t index)
    {
        return static_cast<int32_t>(std::count_if(RecordingHost::requests.begin(), RecordingHost::requests.end(),
                                                  [&](const RecordedRequest& r) {
                                                      return r.opcode == opcode && r.index == index;
                                                  }));
    }

    std::unique_ptr<AscarellEffect> effect;
};

TEST_F(AscarellEditorTest, RectangleIsTheBackgroundBeforeAndAfterOpen)
{
    for (int pass = 0; pass < 2; ++pass) {
        EditorRect* rect = nullptr;
        EXPECT_EQ(dispatch(EffectOpcode::editorGetRect, 0, 0, &rect), 1);
        ASSERT_NE(rect, nullptr);
        EXPECT_EQ(rect->top, 0);
        EXPECT_EQ(rect->left, 0);
        EXPECT_EQ(rect->bottom, AscarellLayout::height);
        EXPECT_EQ(rect->right, AscarellLayout::width);
        open();
    }
}

TEST_F(AscarellEditorTest, OpeningLaysOutEveryControlAtItsValue)
{
    dispatch(EffectOpcode::setProgram, 0, 14);
    open();
    ASSERT_EQ(frame()->viewCount(), ViewIndex::count);
    // Each view is one image of its picture, in the order of the layout.
    const auto expectPlaced = [&](int32_t view, const LayoutPlace& at, const LayoutPicture& picture) {
        const Rect& r = frame()->view(view)->viewSize();
        EXPECT_EQ(r.left, at.left) << view;
        EXPECT_EQ(r.top, at.top) << view;
        EXPECT_EQ(r.right - r.left, picture.width) << view;
        EXPECT_EQ(r.bottom - r.top, picture.imageHeight) << view;
    };
    for (int32_t row = 0; row < ViewIndex::textDisplay; ++row) {
        expectPlaced(row, AscarellLayout::controls[row].place, AscarellLayout::controls[row].picture);
    }
    expectPlaced(ViewIndex::textDisplay, AscarellLayout::textDisplay, AscarellArtwork::textDisplay);
    expectPlaced(ViewIndex::stripButton, AscarellLayout::stripButton.place, AscarellLayout::stripButton.picture);

    for (int32_t p : {P::input, P::ratio, P::knee, P::attack, P::release, P::thresh, P::outLevel}) {
        ASSERT_NE(knobFor(p), nullptr) << p;
        EXPECT_EQ(knobFor(p)->value(), effect->getParameter(p)) << p;
    }
    EXPECT_EQ(controlFor<OnOffButton>(P::arc)->value(), 1.0f);
    EXPECT_EQ(viewAt<OnOffButton>(ViewIndex::stripButton)->value(), 0.0f);
    EXPECT_EQ(displayText(), "- - - - - - - - -");
    EXPECT_EQ(viewAt<ParamTextDisplay>(ViewIndex::textDisplay)->textStyle(), 0);
    EXPECT_EQ(viewAt<ParamTextDisplay>(ViewIndex::textDisplay)->fontIndex(), 5);
}

TEST_F(AscarellEditorTest, EveryParameterHasExactlyOneControl)
{
    open();
    for (int32_t p = 0; p < P::count; ++p) {
        EXPECT_EQ(controlsTagged(p).size(), 1u) << p;
    }
}

TEST_F(AscarellEditorTest, ViewsLieApartInsideTheBackground)
{
    open();
    for (int32_t i = 0; i < frame()->viewCount(); ++i) {
        const Rect& a = frame()->view(i)->viewSize();
        EXPECT_TRUE(a.left >= 0 && a.top >= 0 && a.right <= AscarellLayout::width && a.bottom <= AscarellLayout::height)
            << i;
        for (int32_t j = i + 1; j < frame()->viewCount(); ++j) {
            EXPECT_FALSE(overlap(a, frame()->view(j)->viewSize())) << i << " and " << j;
        }
    }
}

TEST_F(AscarellEditorTest, HostAutomationMovesTheKnobAndNamesTheValue)
{
    open();
    effect->setParameter(P::release, 0.5f);
    EXPECT_EQ(knobFor(P::release)->value(), 0.5f);
    EXPECT_EQ(displayText(), "Release time  :  128 ms");
    effect->setParameter(P::thresh, 0.5f);
    EXPECT_EQ(displayText(), "Threshold Level  :  -6.0 dB");
    // The knob shows the drawn picture of its value at once.
    EXPECT_FALSE(knobFor(P::thresh)->isDirty());
}

TEST_F(AscarellEditorTest, ArcAutomationFlipsOnlyTheSwitch)
{
    open();
    effect->setParameter(P::ratio, 0.75f);
    effect->setParameter(P::arc, 0.0f);
    EXPECT_EQ(controlFor<OnOffButton>(P::arc)->value(), 0.0f);
    EXPECT_EQ(displayText(), "Ratio  :  4.0 : 1");
}

TEST_F(AscarellEditorTest, AutomationWhileClosedShowsOnReopening)
{
    open();
    dispatch(EffectOpcode::editorClose);
    effect->setParameter(P::knee, 0.9f);
    open();
    EXPECT_EQ(knobFor(P::knee)->value(), 0.9f);
    EXPECT_EQ(displayText(), "- - - - - - - - -");
}

TEST_F(AscarellEditorTest, DraggingAKnobSetsTheParameterInsideOneEdit)
{
    dispatch(EffectOpcode::setEditorKnobMode, 0, KnobMode::linear);
    effect->setParameter(P::ratio, 0.2f);
    open();
    RecordingHost::requests.clear();
    FilmStripKnob* ratio = knobFor(P::ratio);
    const Point from = centreOf(ratio);
    window()->scriptPointer({{MouseState::primary, from},
                             {MouseState::primary, {from.x, from.y - 40}},
                             {MouseState::primary, {from.x, from.y - 100}},
                             {0, {from.x, from.y - 100}}});
    window()->queueButtonDown(from);
    idle();

    EXPECT_FLOAT_EQ(effect->getParameter(P::ratio), 0.7f);
    EXPECT_EQ(ratio->value(), effect->getParameter(P::ratio));
    ASSERT_FALSE(RecordingHost::requests.empty());
    EXPECT_EQ(RecordingHost::requests.front().opcode, HostOpcode::beginEdit);
    EXPECT_EQ(RecordingHost::requests.front().index, P::ratio);
    EXPECT_EQ(RecordingHost::requests.back().opcode, HostOpcode::endEdit);
    EXPECT_EQ(requestsFor(HostOpcode::automate, P::ratio), 2);
    const auto last = std::find_if(RecordingHost::requests.rbegin(), RecordingHost::requests.rend(),
                                   [](const RecordedRequest& r) { return r.opcode == HostOpcode::automate; });
    EXPECT_FLOAT_EQ(last->option, 0.7f);
    EXPECT_EQ(displayText(), "Ratio  :  3.3 : 1");
}

TEST_F(AscarellEditorTest, TurningRatioToTheTopShowsInfinity)
{
    open();
    FilmStripKnob* ratio = knobFor(P::ratio);
    const Rect& r = ratio->viewSize();
    // Circular drag: from the top to the lower right end of the scale.
    const Point top{(r.left + r.right) / 2, r.top};
    const Point end{r.right, r.bottom};
    window()->scriptPointer({{MouseState::primary, top}, {MouseState::primary, end}, {0, end}});
    window()->queueButtonDown(top);
    idle();
    EXPECT_EQ(effect->getParameter(P::ratio), 1.0f);
    EXPECT_EQ(displayText(), "Ratio  :  oo : 1");
    EXPECT_GE(requestsFor(HostOpcode::automate, P::ratio), 1);
}

TEST_F(AscarellEditorTest, ControlClickResetsAKnobToTheMiddle)
{
    open();
    FilmStripKnob* attack = knobFor(P::attack);
    const Point at = centreOf(attack);
    window()->scriptPointer({{MouseState::primary | MouseState::control, at}, {0, at}});
    window()->queueButtonDown(at);
    idle();
    EXPECT_EQ(effect->getParameter(P::attack), 0.5f);
    EXPECT_EQ(requestsFor(HostOpcode::automate, P::attack), 1);
}

TEST_F(AscarellEditorTest, StripButtonTurnsItsPictureAndNoParameter)
{
    open();
    float before[P::count];
    for (int32_t p = 0; p < P::count; ++p) {
        before[p] = effect->getParameter(p);
    }
    OnOffButton* strip = viewAt<OnOffButton>(ViewIndex::stripButton);
    const Point at = centreOf(strip);
    const uint32_t pixelBefore = window()->presentedPixel(at.x, at.y);
    RecordingHost::requests.clear();
    window()->scriptPointer({{MouseState::primary, at}, {0, at}});
    window()->queueButtonDown(at);
    idle();
    idle();
    EXPECT_EQ(strip->value(), 1.0f);
    for (int32_t p = 0; p < P::count; ++p) {
        EXPECT_EQ(effect->getParameter(p), before[p]);
    }
    EXPECT_EQ(requestsFor(HostOpcode::automate, strip->tag()), 0);
    EXPECT_NE(window()->presentedPixel(at.x, at.y), pixelBefore);
}

TEST_F(AscarellEditorTest, ArcSwitchClickSetsTheReleaseMode)
{
    open();
    OnOffButton* arc = controlFor<OnOffButton>(P::arc);
    const Point at = centreOf(arc);
    window()->scriptPointer({{MouseState::primary, at}, {0, at}});
    window()->queueButtonDown(at);
    idle();
    EXPECT_EQ(effect->getParameter(P::arc), 0.0f);
    EXPECT_EQ(requestsFor(HostOpcode::automate, P::arc), 1);
}

TEST_F(AscarellEditorTest, WheelAndArrowKeysMoveTheKnobUnderThePointer)
{
    open();
    effect->setParameter(P::knee, 0.5f);
    FilmStripKnob* knee = knobFor(P::knee);
    const Point at = centreOf(knee);
    window()->scriptPointer({{0, at}});
    window()->queueWheel(at, 1.0f);
    idle();
    EXPECT_FLOAT_EQ(effect->getParameter(P::knee), 0.6f);
    // Keys go to the focus view or the views from the last added; the knob
    // that was dragged last has the focus.
    window()->scriptPointer({{MouseState::primary, at}, {0, at}});
    window()->queueButtonDown(at);
    idle();
    KeyRecord down{0, VirtualKey::down, KeyModifier::shift};
    EXPECT_EQ(dispatch(EffectOpcode::editorKeyDown, down.character, down.virtualKey), 1);
}

TEST_F(AscarellEditorTest, AutomationFromAnotherThreadIsDrawnAtTheNextIdle)
{
    open();
    idle();
    const int32_t presents = window()->presentCount();
    std::thread automation([&] { effect->setParameter(P::outLevel, 1.0f); });
    automation.join();
    EXPECT_FALSE(window()->calledFromOtherThread());
    EXPECT_EQ(window()->presentCount(), presents);
    // Nothing off the editor's thread reaches the controls.
    EXPECT_NE(knobFor(P::outLevel)->value(), 1.0f);
    idle();
    EXPECT_EQ(knobFor(P::outLevel)->value(), 1.0f);
    EXPECT_FALSE(knobFor(P::outLevel)->isDirty());
    EXPECT_GT(window()->presentCount(), presents);
    EXPECT_EQ(displayText(), "Output Gain  :  6.0 dB");
}

TEST_F(AscarellEditorTest, AHostClosingTheEditorDuringADragClosesItAfterwards)
{
    dispatch(EffectOpcode::setEditorKnobMode, 0, KnobMode::linear);
    open();
    FilmStripKnob* knee = knobFor(P::knee);
    const Point from = centreOf(knee);
    std::vector<PointerStep> steps;
    for (int i = 0; i < 40; ++i) {
        steps.push_back({MouseState::primary, {from.x, from.y - i}});
    }
    steps.push_back({0, {from.x, from.y - 40}});
    window()->scriptPointer(steps);
    window()->queueButtonDown(from);
    int closes = 0;
    RecordingHost::onIdle = [&] {
        if (closes++ == 0) {
            dispatch(EffectOpcode::editorClose);
        }
    };
    idle();
    EXPECT_GE(closes, 1);
    EXPECT_EQ(EditorBase::of(*effect)->frame(), nullptr);
    EXPECT_FLOAT_EQ(effect->getParameter(P::knee), 0.1f + 39 * 0.005f);
    open();  // and it opens again
}

TEST_F(AscarellEditorTest, OpenAnswersZeroWhenNoWindowCanBeMade)
{
    HeadlessWindow::setCreationRefused(true);
    EXPECT_EQ(dispatch(EffectOpcode::editorOpen, 0, 0, kParentWindow), 0);
    HeadlessWindow::setCreationRefused(false);
    EXPECT_EQ(EditorBase::of(*effect)->frame(), nullptr);
    effect->setParameter(P::ratio, 0.3f);  // audio and parameters go on
    EXPECT_EQ(effect->getParameter(P::ratio), 0.3f);
    open();
}

TEST(AscarellEditorLifecycle, OpensAndClosesAThousandTimes)
{
    RecordingHost::clear();
    AscarellEffect effect(&RecordingHost::callback, AscarellChannels::mono);
    for (int i = 0; i < 1000; ++i) {
        ASSERT_EQ(effect.dispatch(EffectOpcode::editorOpen, 0, 0, kParentWindow, 0.0f), 1);
        effect.dispatch(EffectOpcode::editorIdle, 0, 0, nullptr, 0.0f);
        effect.setParameter(i % P::count, 0.25f);
        effect.dispatch(EffectOpcode::editorClose, 0, 0, nullptr, 0.0f);
    }
    EXPECT_EQ(EditorBase::of(effect)->frame(), nullptr);
}

}  // namespace
}  // namespace fendwick
