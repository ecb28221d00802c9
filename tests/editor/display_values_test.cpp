// Display values from the processing to the editor: stored readings, read
// back by any thread, shown at the editor's next idle in index order, and
// harmless while the editor is closed.
#include "editor_base.h"
#include "effect_base.h"
#include "frame.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace fendwick {
namespace {

void* const kParentWindow = reinterpret_cast<void*>(0x2a);

intptr_t quietHost(EffectRecord*, int32_t opcode, int32_t, intptr_t, void*, float)
{
    return opcode == HostOpcode::version ? kInterfaceVersion : 0;
}

// Three parameters, then four meters at 3..6.
class MeteredEffect : public EffectBase {
public:
    MeteredEffect() : EffectBase(quietHost, 1, 3) { displayValues.cover(3, 4); }
    void processAccumulate(float**, float**, int32_t) override {}
};

// Records which readings idle asked it to show, and what each read back.
class MeteredEditor : public EditorBase {
public:
    explicit MeteredEditor(MeteredEffect* owner) : EditorBase(owner) { setRect(40, 30); }
    int32_t open(void* parent) override
    {
        EditorBase::open(parent);
        frameWindow = Frame::create(Rect{0, 0, 40, 30}, parent, this);
        return frameWindow ? 1 : 0;
    }
    std::vector<int32_t> shown;
    std::vector<float> readings;

protected:
    void showParameter(int32_t, float) override {}
    void showDisplayValue(int32_t index) override
    {
        shown.push_back(index);
        readings.push_back(meterReading(index));
    }
};

class DisplayValuesTest : public ::testing::Test {
protected:
    void idle() { effect.dispatch(EffectOpcode::editorIdle, 0, 0, nullptr, 0.0f); }

    MeteredEffect effect;
    MeteredEditor* editor = new MeteredEditor(&effect);  // the effect deletes it
};

TEST_F(DisplayValuesTest, ReadingsOutsideTheRunAreIgnored)
{
    effect.setDisplayValue(2, 0.5f);
    effect.setDisplayValue(7, 0.5f);
    effect.setDisplayValue(4, 0.25f);
    EXPECT_EQ(effect.getDisplayValue(2), 0.0f);
    EXPECT_EQ(effect.getDisplayValue(7), 0.0f);
    EXPECT_EQ(effect.getDisplayValue(4), 0.25f);
    ASSERT_EQ(effect.dispatch(EffectOpcode::editorOpen, 0, 0, kParentWindow, 0.0f), 1);
    idle();
    editor->shown.clear();
    effect.setDisplayValue(-1, 0.5f);
    effect.setDisplayValue(64, 0.5f);
    idle();
    EXPECT_TRUE(editor->shown.empty());
}

TEST_F(DisplayValuesTest, IdleShowsEachNewReadingOnceInIndexOrder)
{
    ASSERT_EQ(effect.dispatch(EffectOpcode::editorOpen, 0, 0, kParentWindow, 0.0f), 1);
    std::thread audio([&] {
        effect.setDisplayValue(6, 0.9f);
        effect.setDisplayValue(3, 0.1f);
        effect.setDisplayValue(6, 0.7f);
    });
    audio.join();
    EXPECT_TRUE(editor->shown.empty()) << "nothing is drawn off the editor's idle";
    idle();
    EXPECT_EQ(editor->shown, (std::vector<int32_t>{3, 6}));
    EXPECT_EQ(editor->readings, (std::vector<float>{0.1f, 0.7f}));
    idle();
    EXPECT_EQ(editor->shown.size(), 2u);
}

TEST_F(DisplayValuesTest, ReadingsWhileClosedAreDroppedAndKept)
{
    effect.setDisplayValue(5, 0.3f);
    idle();
    ASSERT_EQ(effect.dispatch(EffectOpcode::editorOpen, 0, 0, kParentWindow, 0.0f), 1);
    idle();
    EXPECT_TRUE(editor->shown.empty());
    EXPECT_EQ(editor->meterReading(5), 0.3f) << "an open draws the latest reading";
}

// Run under the thread sanitizer: a processing thread publishing while the
// editor opens, idles and closes.
TEST_F(DisplayValuesTest, PublishingDuringOpenIdleAndCloseIsSafe)
{
    std::atomic<bool> done{false};
    std::thread audio([&] {
        for (int32_t k = 0; !done.load(); ++k) {
            effect.setDisplayValue(3 + k % 4, static_cast<float>(k % 100) * 0.01f);
        }
    });
    for (int round = 0; round < 200; ++round) {
        ASSERT_EQ(effect.dispatch(EffectOpcode::editorOpen, 0, 0, kParentWindow, 0.0f), 1);
        idle();
        effect.dispatch(EffectOpcode::editorClose, 0, 0, nullptr, 0.0f);
        idle();
    }
    done = true;
    audio.join();
}

}  // namespace
}  // namespace fendwick
