// Automation on another thread while the editor opens, idles and closes on
// its own: no control is touched off the editor's thread, and once the
// automation settles one idle shows the last values set.
#include "ascarell_effect.h"
#include "ascarell_parameters.h"
#include "editor_base.h"
#include "gui/film_strip_knob.h"
#include "gui/frame.h"
#include "gui/on_off_button.h"
#include "gui/param_text_display.h"
#include "gui/platform/headless/headless_window.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

namespace fendwick {
namespace {

using P = AscarellParam::Index;

void* const kParentWindow = reinterpret_cast<void*>(0x2a);
constexpr int kOpenings = 300;

intptr_t quietHost(EffectRecord*, int32_t opcode, int32_t, intptr_t, void*, float)
{
    return opcode == HostOpcode::version ? kInterfaceVersion : 0;
}

// Sets every parameter in turn, sweeping its value, until told to stop.
class AutomationStorm {
public:
    explicit AutomationStorm(AscarellEffect& target)
        : effect(target), worker([this] {
              float x = 0.0f;
              while (!stopped.load()) {
                  for (int32_t p = 0; p < P::count; ++p) {
                      effect.setParameter(p, x);
                  }
                  x = x < 1.0f ? x + 1.0f / 64.0f : 0.0f;
              }
          })
    {
    }
    ~AutomationStorm() { stop(); }
    void stop()
    {
        stopped = true;
        if (worker.joinable()) {
            worker.join();
        }
    }

private:
    AscarellEffect& effect;
    std::atomic<bool> stopped{false};
    std::thread worker;
};

intptr_t dispatch(AscarellEffect& effect, int32_t opcode, void* pointer = nullptr)
{
    return effect.dispatch(opcode, 0, 0, pointer, 0.0f);
}

TEST(EditorThreadStress, OpeningIdlingAndClosingUnderAutomationStaysOnTheEditorThread)
{
    AscarellEffect effect(quietHost, AscarellChannels::stereo);
    AutomationStorm storm(effect);
    for (int i = 0; i < kOpenings; ++i) {
        ASSERT_EQ(dispatch(effect, EffectOpcode::editorOpen, kParentWindow), 1);
        for (int idles = 0; idles < 3; ++idles) {
            dispatch(effect, EffectOpcode::editorIdle);
        }
        const HeadlessWindow* window = HeadlessWindow::of(effect.getEditor()->frame()->platformWindow());
        ASSERT_FALSE(window->calledFromOtherThread()) << "opening " << i;
        dispatch(effect, EffectOpcode::editorClose);
    }
}

TEST(EditorThreadStress, OneIdleAfterTheStormShowsTheLastValuesSet)
{
    AscarellEffect effect(quietHost, AscarellChannels::stereo);
    ASSERT_EQ(dispatch(effect, EffectOpcode::editorOpen, kParentWindow), 1);
    {
        AutomationStorm storm(effect);
        for (int idles = 0; idles < 50; ++idles) {
            dispatch(effect, EffectOpcode::editorIdle);
        }
    }
    // The last values, set from another thread in this order: Thresh is the
    // last knob moved, so the display names it.
    const struct {
        int32_t parameter;
        float value;
    } last[] = {{P::outLevel, 0.25f}, {P::input, 0.5f}, {P::ratio, 0.75f}, {P::knee, 0.125f},
                {P::attack, 0.625f},  {P::release, 0.375f}, {P::thresh, 0.5f}, {P::arc, 0.0f}};
    std::thread([&] {
        for (const auto& change : last) {
            effect.setParameter(change.parameter, change.value);
        }
    }).join();
    dispatch(effect, EffectOpcode::editorIdle);

    Frame* frame = effect.getEditor()->frame();
    for (const auto& change : last) {
        // Views in the order the editor adds them: the ARC switch, five small
        // knobs, Thresh, OutLevel.
        const int32_t view = change.parameter == P::arc       ? 0
                             : change.parameter == P::thresh   ? 6
                             : change.parameter == P::outLevel ? 7
                                                               : 1 + change.parameter;
        EXPECT_EQ(dynamic_cast<Control*>(frame->view(view))->value(), change.value) << change.parameter;
        EXPECT_FALSE(frame->view(view)->isDirty()) << change.parameter;
    }
    char text[128];
    dynamic_cast<ParamTextDisplay*>(frame->view(8))->text(text, sizeof text);
    EXPECT_EQ(std::string(text), "Threshold Level  :  -6.0 dB");
    dispatch(effect, EffectOpcode::editorClose);
}

}  // namespace
}  // namespace fendwick
