// The editor base's idle, idle wait, keys and knob mode.
#include "ascarell_effect.h"
#include "ascarell_parameters.h"
#include "editor_base.h"
#include "control.h"
#include "frame.h"
#include "knob_mode.h"
#include "headless_clock.h"
#include "headless_window.h"
#include "recording_host.h"

#include <gtest/gtest.h>

#include <memory>
#include <thread>

namespace fendwick {
namespace {

void* const kParentWindow = reinterpret_cast<void*>(0x2a);

class EditorBaseTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RecordingHost::clear();
        HeadlessClock::useManualClock(1000);
        effect = std::make_unique<AscarellEffect>(&RecordingHost::callback, AscarellChannels::mono);
        editor = EditorBase::of(*effect);
        RecordingHost::requests.clear();
    }
    void TearDown() override
    {
        effect.reset();
        HeadlessClock::useRealClock();
        setKnobMode(KnobMode::circular);
    }
    int32_t hostIdles() const
    {
        int32_t count = 0;
        for (const RecordedRequest& r : RecordingHost::requests) {
            count += r.opcode == HostOpcode::idle ? 1 : 0;
        }
        return count;
    }

    std::unique_ptr<AscarellEffect> effect;
    EditorBase* editor = nullptr;
};

TEST_F(EditorBaseTest, IdleWaitWellBeforeItsTimeOnlySleeps)
{
    // Construction set the next idle time to "now" (1000); the first wait idles.
    editor->idleWait();
    EXPECT_EQ(hostIdles(), 1);
    HeadlessClock::clearSleeps();
    editor->idleWait();
    editor->idleWait();
    EXPECT_EQ(HeadlessClock::sleeps(), (std::vector<uint32_t>{4, 4}));
    EXPECT_EQ(hostIdles(), 1);
}

TEST_F(EditorBaseTest, IdleWaitIdlesAgainWithinFiftyMillisecondsOfItsTime)
{
    editor->idleWait();  // next idle at 1100
    HeadlessClock::advanceMs(40);
    editor->idleWait();  // 1044 after the sleep: too early
    EXPECT_EQ(hostIdles(), 1);
    HeadlessClock::advanceMs(8);
    editor->idleWait();  // 1056 after the sleep: within 50 ms
    EXPECT_EQ(hostIdles(), 2);
}

TEST_F(EditorBaseTest, NestedIdleWhileTheHostIdlesReturnsAtOnce)
{
    ASSERT_EQ(effect->dispatch(EffectOpcode::editorOpen, 0, 0, kParentWindow, 0.0f), 1);
    const Control* ratio = dynamic_cast<Control*>(editor->frame()->view(2));  // the Ratio knob
    ASSERT_NE(ratio->value(), 0.9f);
    float shownDuringNestedIdle = -1.0f;
    RecordingHost::onIdle = [&] {
        std::thread([&] { effect->setParameter(AscarellParam::ratio, 0.9f); }).join();
        effect->dispatch(EffectOpcode::editorIdle, 0, 0, nullptr, 0.0f);
        shownDuringNestedIdle = ratio->value();
    };
    editor->idleWait();
    EXPECT_NE(shownDuringNestedIdle, -1.0f);
    EXPECT_NE(shownDuringNestedIdle, 0.9f);
    // The nested idle left the change recorded; an ordinary idle shows it.
    RecordingHost::onIdle = nullptr;
    effect->dispatch(EffectOpcode::editorIdle, 0, 0, nullptr, 0.0f);
    EXPECT_EQ(ratio->value(), 0.9f);
}

TEST_F(EditorBaseTest, KnobModeIsTakenWhileClosed)
{
    EXPECT_EQ(effect->dispatch(EffectOpcode::setEditorKnobMode, 0, KnobMode::linear, nullptr, 0.0f), 1);
    EXPECT_EQ(knobMode(), KnobMode::linear);
}

TEST_F(EditorBaseTest, KeysAndWheelWithoutAFrame)
{
    EXPECT_EQ(effect->dispatch(EffectOpcode::editorKeyDown, 'a', 0, nullptr, 0.0f), -1);
    EXPECT_EQ(effect->dispatch(EffectOpcode::editorKeyUp, 'a', 0, nullptr, 0.0f), -1);
    EXPECT_FALSE(editor->onWheel(1.0f));
    editor->redraw();
    effect->dispatch(EffectOpcode::editorIdle, 0, 0, nullptr, 0.0f);
}

}  // namespace
}  // namespace fendwick
