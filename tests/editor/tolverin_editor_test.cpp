// The character editor in-process on the headless window, for both builds:
// layout, field texts, meters fed through the plug-in's display values, and
// the flow between controls, parameters and host.
#include "character_effect.h"
#include "editor_fixture.h"
#include "knob_mode.h"
#include "meter_view.h"
#include "multi_position_switch.h"
#include "on_off_button.h"
#include "param_text_display.h"
#include "rect_ops.h"
#include "tolverin_editor_layout.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace fendwick {
namespace {

using Texts = std::vector<std::string>;
constexpr uint32_t kBarFill = 0x00a6a6u;
constexpr uint32_t kBarOutline = 0x00ffffu;

// What differs between the builds, with the field texts of "Kick Phat".
struct Build {
    const char* name;
    CharacterChannels channels;
    const CharacterEditorLayout& layout;
    int32_t attack, arc, character, attackField, parameterCount;
    Texts kickPhat;
    std::vector<bool> shadowed;
};

const Build kStereo{"Stereo", CharacterChannels::stereo, TolverinLayout::stereo, TolverinParam::attack,
                    TolverinParam::arc, TolverinParam::character, 2, TolverinParam::count,
                    {"50 %", "12.2 : 1", "1 ms", "59 ms", "-8.2 dB", "4.0 dB", "0.0 dB"},
                    {true, true, false, false, true, false, false}};
const Build kMono{"Mono", CharacterChannels::mono, TolverinLayout::mono, TolverinMonoParam::attack,
                  TolverinMonoParam::arc, TolverinMonoParam::character, 1, TolverinMonoParam::count,
                  {"12.2 : 1", "1 ms", "59 ms", "-8.2 dB", "4.0 dB", "0.0 dB"},
                  {true, false, false, true, false, false}};

class TolverinEditorTest : public EditorFixture, public ::testing::WithParamInterface<const Build*> {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        effect = std::make_unique<CharacterEffect>(&RecordingHost::callback, GetParam()->channels);
    }
    const CharacterEditorLayout& layout() { return GetParam()->layout; }
    int32_t firstField() { return layout().meters.count + layout().controls.count; }
    int32_t plateView() { return firstField() + layout().fields.count; }
    Texts fieldTexts() { return textsFrom(firstField(), layout().fields.count); }
    // Meter `view`'s middle column from the top: 'b' bar, '.' anything else.
    std::string meterColumn(int32_t view)
    {
        const Rect& r = frame()->view(view)->viewSize();
        std::string rows;
        for (int32_t y = r.top; y < r.bottom; ++y) {
            const uint32_t pixel = window()->presentedPixel((r.left + r.right) / 2, y);
            rows += pixel == kBarFill || pixel == kBarOutline ? 'b' : '.';
        }
        return rows;
    }
};

// Rows first..last of the 82 a meter has; none for first < 0.
std::string bar(int32_t first, int32_t last)
{
    std::string rows(82, '.');
    for (int32_t y = first; y >= 0 && y <= last; ++y) {
        rows[static_cast<size_t>(y)] = 'b';
    }
    return rows;
}

TEST_P(TolverinEditorTest, OpeningShowsEveryViewAtItsPlaceAndValue)
{
    dispatch(EffectOpcode::setProgram, 0, 23);  // Kick Phat
    expectRectBeforeAndAfterOpen(728, 150);
    const CharacterEditorLayout& l = layout();
    ASSERT_EQ(frame()->viewCount(), plateView() + 1);
    for (int32_t i = 0; i < l.meters.count; ++i) {
        expectPlaced(i, l.meters[i].place, l.meters[i].picture);
        EXPECT_EQ(viewAt<GainMeter>(i) != nullptr, l.meters[i].kind == LayoutMeterKind::gain) << i;
    }
    for (int32_t row = 0; row < l.controls.count; ++row) {
        const int32_t view = l.meters.count + row;
        expectPlaced(view, l.controls[row].place, l.controls[row].picture);
        EXPECT_EQ(viewAt<Control>(view)->tag(), l.controls[row].tag);
        EXPECT_EQ(viewAt<Control>(view)->value(), effect->getParameter(l.controls[row].tag)) << view;
    }
    for (int32_t row = 0; row < l.fields.count; ++row) {
        const auto* field = viewAt<ParamTextDisplay>(firstField() + row);
        const LayoutArea& a = l.fields[row].area;
        EXPECT_EQ(field->viewSize(), (Rect{a.left, a.top, a.right, a.bottom})) << row;
        EXPECT_EQ(field->fontIndex(), 5);
        EXPECT_EQ(field->textStyle(), 0);
        EXPECT_EQ(field->fontColor().pixel(), 0x5b6b73u) << row;
        EXPECT_EQ(field->shadowColor().pixel() == 0, GetParam()->shadowed[row]) << row;
    }
    EXPECT_EQ(fieldTexts(), GetParam()->kickPhat);
    expectPlaced(plateView(), l.plate.place, l.plate.picture);
    EXPECT_EQ(viewAt<OnOffButton>(plateView())->tag(), l.meters[0].displayValue + l.meters.count);
    EXPECT_EQ(viewAt<OnOffButton>(plateView())->value(), 0.0f);
    expectViewsApartInside(728, 150);
}

// Each reading is published alone, the others showing no bar, so a meter
// reading another's value shows.
TEST_P(TolverinEditorTest, EachMeterShowsTheReadingPublishedForIt)
{
    const struct {
        LayoutMeterKind kind;
        float reading;
        int32_t first, last;
    } cases[] = {
        {LayoutMeterKind::gain, 0.5f, 0, 12},  // 6 dB of reduction hangs 12 rows
        {LayoutMeterKind::level, 1.0f, 0, 81},
        {LayoutMeterKind::level, 0.01f, -1, -1},
    };
    const LayoutRows<LayoutMeter>& meters = layout().meters;
    open();
    for (const auto& c : cases) {
        for (int32_t m = 0; m < meters.count; ++m) {
            const auto lit = [&](int32_t i) { return i == m && meters[i].kind == c.kind; };
            for (int32_t i = 0; i < meters.count; ++i) {
                const bool gain = meters[i].kind == LayoutMeterKind::gain;
                effect->setDisplayValue(meters[i].displayValue, lit(i) ? c.reading : gain ? 1.0f : 0.0f);
            }
            idle();
            for (int32_t i = 0; i < meters.count; ++i) {
                EXPECT_EQ(meterColumn(i), lit(i) ? bar(c.first, c.last) : bar(-1, -1)) << i << " for " << m;
            }
        }
    }
}

TEST_P(TolverinEditorTest, ReadingsWhileClosedAreHarmlessAndTheNextOpenShowsTheLatest)
{
    open();
    dispatch(EffectOpcode::editorClose);
    for (float reading : {0.1f, 0.5f}) {
        effect->setDisplayValue(layout().meters[0].displayValue, reading);  // compressor gain
        effect->setDisplayValue(layout().meters[1].displayValue, reading);  // compressed level
        idle();
    }
    open();
    idle();
    EXPECT_EQ(meterColumn(0), bar(0, 12));
    EXPECT_EQ(meterColumn(1), bar(12, 81));
}

// Attack's knob moves and its field is rewritten; ARC's switch flips and no
// field changes; a Character of 0.3 shows the middle of three images.
TEST_P(TolverinEditorTest, HostAutomationMovesItsControlAndRewritesOnlyItsField)
{
    const Build& b = *GetParam();
    open();
    idle();
    Texts texts = fieldTexts();
    effect->setParameter(b.attack, 0.5f);
    EXPECT_EQ(knobFor(b.attack)->value(), 0.5f);
    texts[static_cast<size_t>(b.attackField)] = "125 ms";
    EXPECT_EQ(fieldTexts(), texts);
    effect->setParameter(b.arc, 0.0f);
    EXPECT_EQ(controlFor<OnOffButton>(b.arc)->value(), 0.0f);
    EXPECT_EQ(fieldTexts(), texts);

    auto* character = controlFor<MultiPositionSwitch>(b.character);
    std::vector<uint32_t> images[3];
    for (int32_t image : {0, 2, 1}) {
        effect->setParameter(b.character, 0.5f * static_cast<float>(image));
        images[image] = presentedPixels(character);
    }
    effect->setParameter(b.character, 0.3f);
    EXPECT_EQ(presentedPixels(character), images[1]);
    EXPECT_TRUE(images[1] != images[0] && images[1] != images[2]);
}

TEST_P(TolverinEditorTest, DraggingAKnobSendsOneEditWithItsAutomation)
{
    const int32_t attack = GetParam()->attack;
    dispatch(EffectOpcode::setEditorKnobMode, 0, KnobMode::linear);
    effect->setParameter(attack, 0.2f);
    open();
    RecordingHost::requests.clear();
    const Point from = centreOf(knobFor(attack));
    press({{MouseState::primary, from}, {MouseState::primary, {from.x, from.y - 100}}, {0, {from.x, from.y - 100}}});
    idle();
    EXPECT_FLOAT_EQ(effect->getParameter(attack), 0.7f);
    EXPECT_EQ(knobFor(attack)->value(), effect->getParameter(attack));
    EXPECT_EQ(fieldTexts()[static_cast<size_t>(GetParam()->attackField)], "245 ms");
    EXPECT_EQ(requestsFor(HostOpcode::beginEdit, attack), 1);
    EXPECT_EQ(requestsFor(HostOpcode::endEdit, attack), 1);
    EXPECT_GE(requestsFor(HostOpcode::automate, attack), 1);
}

TEST_P(TolverinEditorTest, ThePlateTurnsItsPictureAndNothingElse)
{
    open();
    idle();
    const std::vector<float> before = parameterValues(GetParam()->parameterCount);
    auto* plate = viewAt<OnOffButton>(plateView());
    const std::vector<uint32_t> front = presentedPixels(plate);
    RecordingHost::requests.clear();
    for (float turned : {1.0f, 0.0f}) {
        click(centreOf(plate));
        idle();
        EXPECT_EQ(plate->value(), turned);
        EXPECT_EQ(presentedPixels(plate) != front, turned == 1.0f);
    }
    EXPECT_EQ(parameterValues(GetParam()->parameterCount), before);
    EXPECT_TRUE(RecordingHost::requests.empty());
}

INSTANTIATE_TEST_SUITE_P(Builds, TolverinEditorTest, ::testing::Values(&kStereo, &kMono),
                         [](const ::testing::TestParamInfo<const Build*>& build) { return build.param->name; });

TEST(TolverinEditorLifecycle, OpensAndClosesAThousandTimes)
{
    RecordingHost::clear();
    CharacterEffect effect(&RecordingHost::callback, CharacterChannels::stereo);
    openAndCloseAThousandTimes(effect, TolverinParam::count);
    EXPECT_EQ(EditorBase::of(effect)->frame(), nullptr);
}

}  // namespace
}  // namespace fendwick
