// The three-band editor in-process on the headless window, for both builds:
// layout, the texts each band and field shows, the crossover points moving
// each other, and the flow between controls, parameters and host.
#include "ascarell3_editor_layout.h"
#include "editor_fixture.h"
#include "knob_mode.h"
#include "multiband_effect.h"
#include "on_off_button.h"
#include "param_text_display.h"
#include "rect_ops.h"

#include <gtest/gtest.h>

#include <iterator>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace fendwick {
namespace {

using A3 = Ascarell3Param::Index;
namespace Layout = Ascarell3Layout;
using Texts = std::vector<std::string>;

// The views the editor adds after one control per row of its layout: the
// band texts (Hi, Mid, Lo), the value fields (Hi, Mid and Lo input, Lo-Mid,
// Mid-Hi, output) and the product plate.
namespace ViewIndex {
constexpr int32_t bandText = static_cast<int32_t>(std::size(Layout::controls));
constexpr int32_t valueField = bandText + kMultibandBandCount;
constexpr int32_t loMidField = valueField + 3;
constexpr int32_t midHiField = valueField + 4;
constexpr int32_t panelButton = valueField + static_cast<int32_t>(std::size(Layout::valueFields));
constexpr int32_t count = panelButton + 1;
}  // namespace ViewIndex

const std::string kIdle = "- - - - - - - - -";

class Ascarell3EditorTest : public EditorFixture, public ::testing::WithParamInterface<MultibandChannels> {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        makeEffect();
    }
    void makeEffect() { effect = std::make_unique<MultibandEffect>(&RecordingHost::callback, GetParam()); }
    Texts bandTexts() { return textsFrom(ViewIndex::bandText, kMultibandBandCount); }
    void expectControlsShowTheParameters()
    {
        for (int32_t row = 0; row < ViewIndex::bandText; ++row) {
            EXPECT_EQ(viewAt<Control>(row)->value(), effect->getParameter(Layout::controls[row].tag)) << row;
        }
    }
};

TEST_P(Ascarell3EditorTest, RectangleIsTheBackgroundBeforeAndAfterOpen) { expectRectBeforeAndAfterOpen(719, 307); }

// Every view at its place and size, the controls and fields at the values of
// the program, the band texts idle.
TEST_P(Ascarell3EditorTest, OpeningShowsEveryViewAtItsPlaceAndValue)
{
    const struct {
        int32_t program;
        Texts fields;
    } cases[] = {
        {0, {"0.0 dB", "0.0 dB", "0.0 dB", "263 Hz", "11219 Hz", "0.0 dB"}},
        {13, {"0.0 dB", "1.1 dB", "0.5 dB", "908 Hz", "9648 Hz", "0.0 dB"}},
    };
    const auto expectArea = [&](int32_t view, const LayoutArea& area) {
        EXPECT_EQ(frame()->view(view)->viewSize(), (Rect{area.left, area.top, area.right, area.bottom})) << view;
        EXPECT_EQ(viewAt<ParamTextDisplay>(view)->fontIndex(), 5) << view;
        EXPECT_EQ(viewAt<ParamTextDisplay>(view)->textStyle(), 0) << view;
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "program " << c.program);
        dispatch(EffectOpcode::setProgram, 0, c.program);
        open();
        ASSERT_EQ(frame()->viewCount(), ViewIndex::count);
        for (int32_t row = 0; row < ViewIndex::bandText; ++row) {
            const LayoutControl& layout = Layout::controls[row];
            expectPlaced(row, layout.place, layout.picture);
            EXPECT_EQ(viewAt<Control>(row)->tag(), layout.tag);
            EXPECT_EQ(viewAt<FilmStripKnob>(row) != nullptr, layout.kind == LayoutControlKind::knob) << layout.tag;
        }
        expectControlsShowTheParameters();
        for (int32_t band = 0; band < kMultibandBandCount; ++band) {
            expectArea(ViewIndex::bandText + band, Layout::bandTexts[band]);
        }
        EXPECT_EQ(bandTexts(), (Texts{kIdle, kIdle, kIdle}));
        for (size_t field = 0; field < c.fields.size(); ++field) {
            expectArea(ViewIndex::valueField + static_cast<int32_t>(field), Layout::valueFields[field].area);
        }
        EXPECT_EQ(textsFrom(ViewIndex::valueField, 6), c.fields);
        expectPlaced(ViewIndex::panelButton, Layout::panelButton.place, Layout::panelButton.picture);
        EXPECT_EQ(viewAt<OnOffButton>(ViewIndex::panelButton)->value(), 0.0f);
        EXPECT_EQ(viewAt<OnOffButton>(ViewIndex::panelButton)->tag(), A3::count);
        expectViewsApartInside(719, 307);
        dispatch(EffectOpcode::editorClose);
    }
}

TEST_P(Ascarell3EditorTest, DraggingMidAttackNamesItInTheMidTextAndAutomatesOnlyIt)
{
    dispatch(EffectOpcode::setEditorKnobMode, 0, KnobMode::linear);
    effect->setParameter(A3::midAttack, 0.2f);
    open();
    RecordingHost::requests.clear();
    const Point from = centreOf(knobFor(A3::midAttack));
    press({{MouseState::primary, from}, {MouseState::primary, {from.x, from.y - 100}}, {0, {from.x, from.y - 100}}});
    idle();

    EXPECT_FLOAT_EQ(effect->getParameter(A3::midAttack), 0.7f);
    EXPECT_EQ(knobFor(A3::midAttack)->value(), effect->getParameter(A3::midAttack));
    EXPECT_EQ(bandTexts(), (Texts{kIdle, "Attack  :  245 ms", kIdle}));
    EXPECT_EQ(requestsFor(HostOpcode::beginEdit, A3::midAttack), 1);
    EXPECT_EQ(requestsFor(HostOpcode::endEdit, A3::midAttack), 1);
    EXPECT_GE(requestsFor(HostOpcode::automate, A3::midAttack), 1);
    for (const RecordedRequest& r : RecordingHost::requests) {
        const bool edits = r.opcode == HostOpcode::automate || r.opcode == HostOpcode::beginEdit ||
                           r.opcode == HostOpcode::endEdit;
        EXPECT_TRUE(!edits || r.index == A3::midAttack) << r.opcode << " for " << r.index;
    }
}

TEST_P(Ascarell3EditorTest, ABandTextNamesItsBandsKnobChangedLastAndNothingElse)
{
    // Per band, Hi, Mid, Lo: the knobs its text names, in the order of
    // `shown`, and the parameters it does not name.
    const struct {
        int32_t named[5];
        int32_t quiet[4];
    } bands[] = {
        {{A3::hiRelease, A3::hiKnee, A3::hiAttack, A3::hiThresh, A3::hiRatio},
         {A3::hiArc, A3::hiIn, A3::hiPower, A3::hiComp}},
        {{A3::midRelease, A3::midKnee, A3::midAttack, A3::midThresh, A3::midRatio},
         {A3::midArc, A3::midIn, A3::midPower, A3::midComp}},
        {{A3::loRelease, A3::loKnee, A3::loAttack, A3::loThresh, A3::loRatio},
         {A3::loArc, A3::loIn, A3::loPower, A3::loComp}},
    };
    const struct {
        float value;
        const char* text;
    } shown[] = {{0.5f, "Release  :  128 ms"},
                 {1.0f, "Knee  :  Soft"},
                 {0.5f, "Attack  :  125 ms"},
                 {0.5f, "Threshold  :  -6.0 dB"},
                 {0.75f, "Ratio  :  4.0 : 1"}};
    open();
    for (int32_t band = 0; band < kMultibandBandCount; ++band) {
        for (int32_t k = 0; k < 5; ++k) {
            Texts expected = bandTexts();
            expected[band] = shown[k].text;
            effect->setParameter(bands[band].named[k], shown[k].value);
            EXPECT_EQ(bandTexts(), expected) << bands[band].named[k];
        }
        const Texts before = bandTexts();
        for (int32_t quiet : bands[band].quiet) {
            effect->setParameter(quiet, 0.25f);
            EXPECT_EQ(bandTexts(), before) << quiet;
        }
        expectControlsShowTheParameters();
    }
}

// Moving one crossover point past the other pushes the other along: both
// knobs and both fields show what the plug-in reads back, also when the
// change comes from another thread and is shown at the next idle.
TEST_P(Ascarell3EditorTest, ACrossoverChangeShowsBothPointsAsThePluginReadsThem)
{
    const struct {
        int32_t parameter;
        float value;
        bool fromAnotherThread;
        const char* hz;  // both points end at the value set
    } cases[] = {
        {A3::loMid, 0.9f, false, "14451 Hz"},
        {A3::midHi, 0.2f, false, "85 Hz"},
        {A3::loMid, 0.9f, true, "14451 Hz"},
        {A3::midHi, 0.2f, true, "85 Hz"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.parameter << (c.fromAnotherThread ? " from another thread" : ""));
        makeEffect();
        open();
        if (c.fromAnotherThread) {
            std::thread([&] { effect->setParameter(c.parameter, c.value); }).join();
            EXPECT_NE(knobFor(c.parameter)->value(), c.value);
            idle();
        } else {
            effect->setParameter(c.parameter, c.value);
        }
        ASSERT_EQ(effect->getParameter(A3::loMid), c.value);
        ASSERT_EQ(effect->getParameter(A3::midHi), c.value);
        EXPECT_EQ(knobFor(A3::loMid)->value(), c.value);
        EXPECT_EQ(knobFor(A3::midHi)->value(), c.value);
        EXPECT_EQ(textsFrom(ViewIndex::loMidField, 2), (Texts{c.hz, c.hz}));
    }
}

// A program sets every parameter in the order of its record, each band's
// release last of the band's texts; from another thread, idle shows them in
// the same order.
TEST_P(Ascarell3EditorTest, AProgramChangeEndsWithEachBandNamingItsRelease)
{
    const Texts deep{"Release  :  29 ms", "Release  :  47 ms", "Release  :  77 ms"};
    const Texts sweetPop{"Release  :  29 ms", "Release  :  47 ms", "Release  :  128 ms"};
    const struct {
        int32_t program;
        bool fromAnotherThread;
        Texts bands;
        Texts crossovers;
    } cases[] = {
        {5, false, deep, {"122 Hz", "11283 Hz"}},
        {13, false, sweetPop, {"908 Hz", "9648 Hz"}},
        {5, true, deep, {"122 Hz", "11283 Hz"}},
    };
    open();
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "program " << c.program
                                        << (c.fromAnotherThread ? " from another thread" : ""));
        if (c.fromAnotherThread) {
            std::thread([&] { dispatch(EffectOpcode::setProgram, 0, c.program); }).join();
            idle();
        } else {
            dispatch(EffectOpcode::setProgram, 0, c.program);
        }
        EXPECT_EQ(bandTexts(), c.bands);
        EXPECT_EQ(textsFrom(ViewIndex::loMidField, 2), c.crossovers);
        expectControlsShowTheParameters();
    }
}

TEST_P(Ascarell3EditorTest, ThePanelButtonTurnsItsPictureAndNoParameter)
{
    open();
    idle();
    const std::vector<float> before = parameterValues(A3::count);
    auto* panel = viewAt<OnOffButton>(ViewIndex::panelButton);
    const std::vector<uint32_t> front = presentedPixels(panel);
    RecordingHost::requests.clear();
    for (float turned : {1.0f, 0.0f}) {
        click(centreOf(panel));
        idle();
        idle();
        EXPECT_EQ(panel->value(), turned);
        EXPECT_EQ(presentedPixels(panel) != front, turned == 1.0f);
    }
    EXPECT_EQ(parameterValues(A3::count), before);
    for (const RecordedRequest& r : RecordingHost::requests) {
        EXPECT_NE(r.opcode, HostOpcode::automate) << r.index;
        EXPECT_NE(r.opcode, HostOpcode::beginEdit) << r.index;
    }
}

INSTANTIATE_TEST_SUITE_P(Builds, Ascarell3EditorTest,
                         ::testing::Values(MultibandChannels::stereo, MultibandChannels::mono),
                         [](const ::testing::TestParamInfo<MultibandChannels>& build) {
                             return build.param == MultibandChannels::stereo ? "Stereo" : "Mono";
                         });

TEST(Ascarell3EditorLifecycle, OpensAndClosesAThousandTimes)
{
    RecordingHost::clear();
    MultibandEffect effect(&RecordingHost::callback, MultibandChannels::stereo);
    openAndCloseAThousandTimes(effect, A3::count);
    EXPECT_EQ(EditorBase::of(effect)->frame(), nullptr);
}

}  // namespace
}  // namespace fendwick
