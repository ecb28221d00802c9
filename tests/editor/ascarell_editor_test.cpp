// The single-band editor in-process on the headless window: layout, values
// shown, the flow between controls, parameters and host, and its lifecycle.
#include "ascarell_editor_layout.h"
#include "ascarell_effect.h"
#include "ascarell_parameters.h"
#include "editor_fixture.h"
#include "knob_mode.h"
#include "on_off_button.h"
#include "param_text_display.h"

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

class AscarellEditorTest : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        effect = std::make_unique<AscarellEffect>(&RecordingHost::callback, AscarellChannels::stereo);
    }
    std::string displayText() { return textAt(ViewIndex::textDisplay); }
};

TEST_F(AscarellEditorTest, RectangleIsTheBackgroundBeforeAndAfterOpen)
{
    expectRectBeforeAndAfterOpen(AscarellLayout::width, AscarellLayout::height);
}

TEST_F(AscarellEditorTest, OpeningLaysOutEveryControlAtItsValue)
{
    dispatch(EffectOpcode::setProgram, 0, 14);
    open();
    ASSERT_EQ(frame()->viewCount(), ViewIndex::count);
    // Each view is one image of its picture, in the order of the layout.
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
    expectViewsApartInside(AscarellLayout::width, AscarellLayout::height);
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
    press({{MouseState::primary, from},
           {MouseState::primary, {from.x, from.y - 40}},
           {MouseState::primary, {from.x, from.y - 100}},
           {0, {from.x, from.y - 100}}});
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
    press({{MouseState::primary, top}, {MouseState::primary, end}, {0, end}});
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
    press({{MouseState::primary | MouseState::control, at}, {0, at}});
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
    click(at);
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
    click(at);
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
    click(at);
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
    press(steps);
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
    openAndCloseAThousandTimes(effect, P::count);
    EXPECT_EQ(EditorBase::of(effect)->frame(), nullptr);
}

}  // namespace
}  // namespace fendwick
