// Automation on another thread while the editor opens, idles and closes on
// its own: no control is touched off the editor's thread, and once the
// automation settles one idle shows the last values set.
#include "ascarell_effect.h"
#include "ascarell_parameters.h"
#include "editor_base.h"
#include "frame.h"
#include "param_text_display.h"
#include "headless_window.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

namespace fendwick {
namespace {

using P = AscarellParam::Index;

void* const kParentWindow = reinterpret_cast<void*>(0x2a);

intptr_t quietHost(EffectRecord*, int32_t opcode, int32_t, intptr_t, void*, float)
{
    return opcode == HostOpcode::version ? kInterfaceVersion : 0;
}

intptr_t dispatch(AscarellEffect& effect, int32_t opcode, void* pointer = nullptr)
{
    return effect.dispatch(opcode, 0, 0, pointer, 0.0f);
}

// Runs the editor's side while another thread sets every parameter in turn.
template <typename EditorSide>
void underAutomation(AscarellEffect& effect, EditorSide editorSide)
{
    std::atomic<bool> stopped{false};
    std::thread automation([&] {
        for (float x = 0.0f; !stopped.load(); x = x < 1.0f ? x + 1.0f / 64.0f : 0.0f) {
            for (int32_t p = 0; p < P::count; ++p) {
                effect.setParameter(p, x);
            }
        }
    });
    editorSide();
    stopped = true;
    automation.join();
}

TEST(EditorThreadStress, OpeningIdlingAndClosingUnderAutomationStaysOnTheEditorThread)
{
    AscarellEffect effect(quietHost, AscarellChannels::stereo);
    underAutomation(effect, [&] {
        for (int i = 0; i < 300; ++i) {
            ASSERT_EQ(dispatch(effect, EffectOpcode::editorOpen, kParentWindow), 1);
            for (int idles = 0; idles < 3; ++idles) {
                dispatch(effect, EffectOpcode::editorIdle);
            }
            ASSERT_FALSE(HeadlessWindow::of(EditorBase::of(effect)->frame()->platformWindow())->calledFromOtherThread());
            dispatch(effect, EffectOpcode::editorClose);
        }
    });
}

// A second open without a close, from another thread, must not make that
// thread the editor's: its parameter changes still wait for the idle.
TEST(EditorThreadStress, ASecondOpenFromAnotherThreadKeepsTheEditorThread)
{
    AscarellEffect effect(quietHost, AscarellChannels::stereo);
    ASSERT_EQ(dispatch(effect, EffectOpcode::editorOpen, kParentWindow), 1);
    constexpr int32_t threshView = 6;
    const auto* threshKnob = dynamic_cast<Control*>(EditorBase::of(effect)->frame()->view(threshView));
    const float before = threshKnob->value();
    std::thread([&] {
        EXPECT_EQ(dispatch(effect, EffectOpcode::editorOpen, kParentWindow), 1);
        effect.setParameter(P::thresh, 0.25f);
    }).join();
    EXPECT_EQ(threshKnob->value(), before);
    dispatch(effect, EffectOpcode::editorIdle);
    EXPECT_EQ(threshKnob->value(), 0.25f);
    dispatch(effect, EffectOpcode::editorClose);
}

TEST(EditorThreadStress, OneIdleAfterTheStormShowsTheLastValuesSet)
{
    AscarellEffect effect(quietHost, AscarellChannels::stereo);
    ASSERT_EQ(dispatch(effect, EffectOpcode::editorOpen, kParentWindow), 1);
    underAutomation(effect, [&] {
        for (int idles = 0; idles < 50; ++idles) {
            dispatch(effect, EffectOpcode::editorIdle);
        }
    });
    // Set in this order from another thread: Thresh is the last knob, so the
    // display names it. Views: ARC switch, five small knobs, Thresh, OutLevel.
    const struct {
        int32_t parameter;
        int32_t view;
        float value;
    } last[] = {{P::outLevel, 7, 0.25f}, {P::input, 1, 0.5f},     {P::ratio, 2, 0.75f},  {P::knee, 3, 0.125f},
                {P::attack, 4, 0.625f},  {P::release, 5, 0.375f}, {P::thresh, 6, 0.5f}, {P::arc, 0, 0.0f}};
    std::thread([&] {
        for (const auto& change : last) {
            effect.setParameter(change.parameter, change.value);
        }
    }).join();
    dispatch(effect, EffectOpcode::editorIdle);

    Frame* frame = EditorBase::of(effect)->frame();
    for (const auto& change : last) {
        EXPECT_EQ(dynamic_cast<Control*>(frame->view(change.view))->value(), change.value) << change.parameter;
        EXPECT_FALSE(frame->view(change.view)->isDirty()) << change.parameter;
    }
    char text[128];
    dynamic_cast<ParamTextDisplay*>(frame->view(8))->text(text, sizeof text);
    EXPECT_EQ(std::string(text), "Threshold Level  :  -6.0 dB");
}

}  // namespace
}  // namespace fendwick
