// An editor stand-in that records every meter reading the effect publishes.
#pragma once

#include "effect_base.h"
#include "plugin_editor.h"

#include <cstdint>
#include <vector>

namespace fendwick {

struct Publication {
    int64_t frame;  // the block's first frame, as the test counts them
    int32_t index;
    float value;
    bool operator==(const Publication& o) const { return frame == o.frame && index == o.index && value == o.value; }
};

// Registers itself as the effect's editor, which deletes it.
class MeterRecorder : public PluginEditor {
public:
    explicit MeterRecorder(EffectBase& observed) : effect(observed) { effect.setEditor(this); }

    int32_t getRect(EditorRect**) override { return 0; }
    int32_t open(void*) override { return 0; }
    void close() override {}
    void idle() override {}
    int32_t onKeyDown(const KeyRecord&) override { return 0; }
    int32_t onKeyUp(const KeyRecord&) override { return 0; }
    int32_t setKnobMode(int32_t) override { return 0; }
    void setParameter(int32_t, float) override {}
    void displayValueChanged(int32_t index) override
    {
        published.push_back({frame, index, effect.getDisplayValue(index)});
    }

    int64_t frame = 0;
    std::vector<Publication> published;

private:
    EffectBase& effect;
};

}  // namespace fendwick
