// A host's listener on display values sees every stored reading, in order,
// with or without an editor, and nothing outside the family's run.
#include "effect_base.h"
#include "plugin_editor.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace fendwick {
namespace {

intptr_t quietHost(EffectRecord*, int32_t opcode, int32_t, intptr_t, void*, float)
{
    return opcode == HostOpcode::version ? kInterfaceVersion : 0;
}

// Two parameters, then three readings at 2..4.
class MeteredEffect : public EffectBase {
public:
    MeteredEffect() : EffectBase(quietHost, 1, 2) { displayValues.cover(2, 3); }
    void processAccumulate(float**, float**, int32_t) override {}
};

// Keeps what it was told, with what the effect read back at that moment.
class Recorder : public DisplayValueListener {
public:
    explicit Recorder(const EffectBase& observed) : effect(observed) {}
    void displayValueChanged(int32_t index, float value) override
    {
        told.emplace_back(index, value);
        storedWhenTold.push_back(effect.getDisplayValue(index));
    }
    std::vector<std::pair<int32_t, float>> told;
    std::vector<float> storedWhenTold;

private:
    const EffectBase& effect;
};

// An editor that only counts the readings it is told of.
class CountingEditor : public PluginEditor {
public:
    int32_t getRect(EditorRect**) override { return 0; }
    int32_t open(void*) override { return 0; }
    void close() override {}
    void idle() override {}
    int32_t onKeyDown(const KeyRecord&) override { return 0; }
    int32_t onKeyUp(const KeyRecord&) override { return 0; }
    int32_t setKnobMode(int32_t) override { return 0; }
    void setParameter(int32_t, float) override {}
    void displayValueChanged(int32_t) override { ++count; }
    int count = 0;
};

TEST(DisplayValueListener, HearsEveryStoredReadingInOrderWithOrWithoutAnEditorUntilDetached)
{
    MeteredEffect effect;
    Recorder recorder(effect);
    effect.setDisplayValue(3, 0.9f);  // before listening: not heard
    effect.listenToDisplayValues(&recorder);
    effect.setDisplayValue(4, 0.25f);
    effect.setDisplayValue(1, 0.5f);  // a parameter's index: ignored
    effect.setDisplayValue(5, 0.5f);  // past the run: ignored
    effect.setDisplayValue(2, 1.0f);
    auto* editor = new CountingEditor;  // the effect deletes it
    effect.setEditor(editor);
    effect.setDisplayValue(4, 0.125f);
    effect.listenToDisplayValues(nullptr);
    effect.setDisplayValue(2, 0.75f);

    const std::vector<std::pair<int32_t, float>> expected = {{4, 0.25f}, {2, 1.0f}, {4, 0.125f}};
    EXPECT_EQ(recorder.told, expected);
    EXPECT_EQ(recorder.storedWhenTold, (std::vector<float>{0.25f, 1.0f, 0.125f}));
    EXPECT_EQ(editor->count, 2);  // the editor still hears its own: 4, then 2 after detaching
    EXPECT_EQ(effect.getDisplayValue(2), 0.75f);
}

}  // namespace
}  // namespace fendwick
