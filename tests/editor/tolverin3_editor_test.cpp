// The three-band character editor in-process on the headless window, on an
// effect made from the plug-in's tables: views at their values, the
// crossover pair, meters drawn at idle, and ParamLink made where the user
// moves a control, with the host's edit brackets around every band.
#include "artwork_tables.h"
#include "editor_fixture.h"
#include "knob_mode.h"
#include "meter_view.h"
#include "multi_position_switch.h"
#include "multiband_character_editor.h"
#include "on_off_button.h"
#include "param_text_display.h"
#include "tolverin3_editor_layout.h"
#include "tolverin3_tables.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fendwick {
namespace {

using P = Tolverin3Param::Index;
using M = Tolverin3Meter::Index;
const CharacterEditorLayout& kLayout = Tolverin3Layout::editor;

// The plug-in's tables with no processing: every parameter stores what it is
// given, and a crossover point pushes the other along as the plug-in's does.
class TableEffect : public EffectBase {
public:
    TableEffect()
        : EffectBase(&RecordingHost::callback, kTolverin3MonoIdentity, ParameterTable(kTolverin3ParameterRows),
                     ProgramBank(kTolverin3FactoryPrograms, kTolverin3ParameterInSlot))
    {
        displayValues.cover(M::hiGain, M::end - M::hiGain);
        setProgram(0);
        new MultibandCharacterEditor(this, tolverin3Artwork);  // registers itself; deleted with the effect
    }
    float getParameter(int32_t index) override { return index >= 0 && index < P::count ? values[index] : 0.0f; }
    void processAccumulate(float**, float**, int32_t) override {}

protected:
    void applyParameter(int32_t index, float value) override
    {
        values[index] = value;
        if (index == P::loMid && values[P::midHi] < value) {
            values[P::midHi] = value;
        }
        if (index == P::midHi && values[P::loMid] > value) {
            values[P::loMid] = value;
        }
    }

private:
    float values[P::count] = {};
};

class Tolverin3EditorTest : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        effect = std::make_unique<TableEffect>();
    }
    static int32_t firstField() { return kLayout.meters.count + kLayout.controls.count; }
    // The text of the value field of parameter `tag`.
    std::string fieldText(int32_t tag)
    {
        for (int32_t i = 0; i < kLayout.fields.count; ++i) {
            if (kLayout.fields[i].tag == tag) {
                return textAt(firstField() + i);
            }
        }
        return "no field";
    }
    // Drives control `tag` as a user does, with the button held for a drag:
    // a knob dragged 100 pixels up (linear mode), a switch held `eighths` of
    // its width from its left edge.
    void moveAsAUser(int32_t tag, int32_t eighths)
    {
        Control* control = controlsTagged(tag).front();
        if (dynamic_cast<FilmStripKnob*>(control) != nullptr) {
            const Point from = centreOf(control);
            const Point to{from.x, from.y - 100};
            press({{MouseState::primary, from}, {MouseState::primary, to}, {0, to}});
        } else {
            const Rect& r = control->viewSize();
            const Point at{r.left + (r.right - r.left) * eighths / 8, (r.top + r.bottom) / 2};
            press({{MouseState::primary, at}, {MouseState::primary, at}, {MouseState::primary, at}, {0, at}});
        }
        idle();
    }
    // What the host was told of `parameter`: "b" begin, "a" automation, "e"
    // end, in order, with repeated automations counted once.
    static std::string editsOf(int32_t parameter)
    {
        std::string seen;
        for (const RecordedRequest& r : RecordingHost::requests) {
            char c = r.opcode == HostOpcode::beginEdit ? 'b'
                     : r.opcode == HostOpcode::endEdit ? 'e'
                     : r.opcode == HostOpcode::automate ? 'a'
                                                        : '\0';
            if (r.index == parameter && c != '\0' && (seen.empty() || seen.back() != c)) {
                seen += c;
            }
        }
        return seen;
    }
    // The last automation value the host was sent for `parameter`.
    static float automatedValue(int32_t parameter)
    {
        float value = -1.0f;
        for (const RecordedRequest& r : RecordingHost::requests) {
            if (r.opcode == HostOpcode::automate && r.index == parameter) {
                value = r.option;
            }
        }
        return value;
    }
};

TEST_F(Tolverin3EditorTest, OpeningBuildsEveryViewAtItsPlaceAndTheCurrentValues)
{
    dispatch(EffectOpcode::setProgram, 0, 5);  // Deep
    expectRectBeforeAndAfterOpen(474, 502);
    idle();
    ASSERT_EQ(frame()->viewCount(), 8 + 36 + 19 + 1);
    for (int32_t i = 0; i < kLayout.meters.count; ++i) {
        expectPlaced(i, kLayout.meters[i].place, kLayout.meters[i].picture);
        EXPECT_EQ(viewAt<GainMeter>(i) != nullptr, kLayout.meters[i].kind == LayoutMeterKind::gain) << i;
    }
    for (int32_t row = 0; row < kLayout.controls.count; ++row) {
        const auto* control = viewAt<Control>(kLayout.meters.count + row);
        EXPECT_EQ(control->tag(), kLayout.controls[row].tag);
        EXPECT_EQ(control->value(), effect->getParameter(control->tag())) << control->tag();
    }
    const struct {
        int32_t tag;
        const char* text;
        uint32_t colour;
    } fields[] = {
        {P::loMid, "122 Hz", 0x00ffffu},     {P::midHi, "11283 Hz", 0x00ffffu}, {P::hiRatio, "14.6 : 1", 0x5b6b73u},
        {P::midAttack, "27 ms", 0x5b6b73u},  {P::loRelease, "77 ms", 0x5b6b73u}, {P::midIn, "0.0 dB", 0x5b6b73u},
        {P::hiThresh, "-33.1 dB", 0x5b6b73u}, {P::outLevel, "4.0 dB", 0x5b6b73u}, {P::outCeiling, "0.0 dB", 0x5b6b73u},
    };
    for (const auto& f : fields) {
        EXPECT_EQ(fieldText(f.tag), f.text) << f.tag;
    }
    for (int32_t i = 0; i < kLayout.fields.count; ++i) {
        const bool crossover = kLayout.fields[i].tag == P::loMid || kLayout.fields[i].tag == P::midHi;
        EXPECT_EQ(viewAt<ParamTextDisplay>(firstField() + i)->fontColor().pixel(), crossover ? 0x00ffffu : 0x5b6b73u);
    }
    EXPECT_EQ(viewAt<OnOffButton>(firstField() + kLayout.fields.count)->tag(), M::end);
    expectViewsApartInside(474, 502);
    dispatch(EffectOpcode::editorClose);
    EXPECT_EQ(frame(), nullptr);
}

TEST_F(Tolverin3EditorTest, EitherCrossoverPointPushesTheOtherKnobAndTextAlong)
{
    const struct {
        int32_t moved;
        float value;
        const char* text;
    } cases[] = {{P::loMid, 0.9f, "14451 Hz"}, {P::midHi, 0.1f, "52 Hz"}};
    for (const auto& c : cases) {
        effect->setProgram(0);
        open();
        effect->setParameter(c.moved, c.value);
        for (const int32_t tag : {P::loMid, P::midHi}) {
            EXPECT_EQ(knobFor(tag)->value(), c.value) << tag << " after " << c.moved;
            EXPECT_EQ(fieldText(tag), c.text) << tag << " after " << c.moved;
        }
        dispatch(EffectOpcode::editorClose);
    }
}

TEST_F(Tolverin3EditorTest, AMeterReadingIsDrawnAtTheNextIdleAndNotBefore)
{
    open();
    idle();
    for (int32_t i = 0; i < kLayout.meters.count; ++i) {
        const View* meter = frame()->view(i);
        const std::vector<uint32_t> before = presentedPixels(meter);
        const bool gain = kLayout.meters[i].kind == LayoutMeterKind::gain;
        effect->setDisplayValue(kLayout.meters[i].displayValue, gain ? 0.1f : 0.5f);
        EXPECT_EQ(presentedPixels(meter), before) << i;
        idle();
        EXPECT_NE(presentedPixels(meter), before) << i;
    }
}

// With ParamLink on, each linked control sets its parameter on all three
// bands, each in its own bracket; PW and Comp set only their own band.
TEST_F(Tolverin3EditorTest, ParamLinkMovesTheSameControlOfEveryBandInItsOwnEdit)
{
    const struct {
        int32_t moved;
        int32_t eighths;
        float value;
        std::vector<int32_t> set;
    } cases[] = {
        {P::loAttack, 0, 0.7f, {P::hiAttack, P::midAttack, P::loAttack}},
        {P::hiThresh, 0, 0.7f, {P::hiThresh, P::midThresh, P::loThresh}},
        {P::midIn, 0, 0.7f, {P::hiIn, P::midIn, P::loIn}},
        {P::hiType, 6, 1.0f, {P::hiType, P::midType, P::loType}},
        {P::midArc, 4, 0.0f, {P::hiArc, P::midArc, P::loArc}},
        {P::loPower, 4, 0.0f, {P::loPower}},
        {P::hiComp, 4, 0.0f, {P::hiComp}},
    };
    dispatch(EffectOpcode::setEditorKnobMode, 0, KnobMode::linear);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.moved);
        effect->setProgram(0);
        effect->setParameter(c.moved, 0.2f);
        effect->setParameter(P::paramLink, 1.0f);
        open();
        const std::vector<float> before = parameterValues(P::count);
        RecordingHost::requests.clear();
        moveAsAUser(c.moved, c.eighths);
        std::vector<float> expected = before;
        for (const int32_t p : c.set) {
            expected[static_cast<size_t>(p)] = c.value;
            EXPECT_EQ(editsOf(p), "bae") << p;
            EXPECT_FLOAT_EQ(automatedValue(p), c.value) << p;
            EXPECT_EQ(controlsTagged(p).front()->value(), effect->getParameter(p)) << p;
        }
        EXPECT_EQ(requestsFor(HostOpcode::beginEdit, c.moved), 1);
        for (int32_t p = 0; p < P::count; ++p) {
            EXPECT_FLOAT_EQ(effect->getParameter(p), expected[static_cast<size_t>(p)]) << p;
        }
        dispatch(EffectOpcode::editorClose);
    }
}

TEST_F(Tolverin3EditorTest, WithParamLinkOffOnlyTheMovedControlsParameterIsSet)
{
    dispatch(EffectOpcode::setEditorKnobMode, 0, KnobMode::linear);
    for (const int32_t moved : {P::midRelease, P::loType}) {
        effect->setProgram(0);
        open();
        const std::vector<float> before = parameterValues(P::count);
        RecordingHost::requests.clear();
        moveAsAUser(moved, 6);
        const std::vector<float> after = parameterValues(P::count);
        for (int32_t p = 0; p < P::count; ++p) {
            EXPECT_EQ(after[static_cast<size_t>(p)] != before[static_cast<size_t>(p)], p == moved) << p;
            EXPECT_EQ(editsOf(p), p == moved ? "bae" : "") << p;
        }
        dispatch(EffectOpcode::editorClose);
    }
}

// The bands bracketed are decided when the drag begins: ParamLink turned off
// while the button is held still closes every bracket it opened.
TEST_F(Tolverin3EditorTest, ParamLinkTurnedOffDuringADragLeavesNoBracketOpen)
{
    dispatch(EffectOpcode::setEditorKnobMode, 0, KnobMode::linear);
    effect->setParameter(P::paramLink, 1.0f);
    open();
    RecordingHost::requests.clear();
    RecordingHost::onIdle = [this] { effect->setParameter(P::paramLink, 0.0f); };
    moveAsAUser(P::hiRatio, 0);
    EXPECT_EQ(effect->getParameter(P::paramLink), 0.0f);
    for (const int32_t p : {P::hiRatio, P::midRatio, P::loRatio}) {
        EXPECT_EQ(requestsFor(HostOpcode::beginEdit, p), 1) << p;
        EXPECT_EQ(requestsFor(HostOpcode::endEdit, p), 1) << p;
    }
}

TEST_F(Tolverin3EditorTest, TheTitleStripTurnsItsPictureAndNothingElse)
{
    open();
    idle();
    const std::vector<float> before = parameterValues(P::count);
    auto* strip = viewAt<OnOffButton>(firstField() + kLayout.fields.count);
    RecordingHost::requests.clear();
    click(centreOf(strip));
    idle();
    EXPECT_EQ(strip->value(), 1.0f);
    EXPECT_EQ(parameterValues(P::count), before);
    EXPECT_TRUE(RecordingHost::requests.empty());
}

TEST(Tolverin3EditorLifecycle, OpensAndClosesAThousandTimes)
{
    RecordingHost::clear();
    TableEffect effect;
    openAndCloseAThousandTimes(effect, P::count);
    EXPECT_EQ(EditorBase::of(effect)->frame(), nullptr);
}

}  // namespace
}  // namespace fendwick
