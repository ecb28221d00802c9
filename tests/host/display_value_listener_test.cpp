// A host's listener on display values hears every stored reading, in order,
// and nothing outside the family's run, until it is detached.
#include "hosted_plugin.h"
#include "plain_effect.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace fendwick {
namespace {

// The plain effect with three readings right after its parameters.
class MeteredEffect : public PlainEffect {
public:
    explicit MeteredEffect(HostCallback callback) : PlainEffect(callback) { displayValues.cover(kParameters, 3); }
};

struct Recorder : DisplayValueListener {
    void displayValueChanged(int32_t index, float value) override { told.emplace_back(index, value); }
    std::vector<std::pair<int32_t, float>> told;
};

TEST(DisplayValueListener, HearsEveryStoredReadingOfTheRunInOrderUntilDetached)
{
    HostedPlugin plugin([](HostCallback callback) { return createEffect<MeteredEffect>(callback); }, "metered");
    EffectBase& effect = *EffectBase::fromRecord(&plugin.record());
    const int32_t first = PlainEffect::kParameters;
    EXPECT_EQ(effect.firstDisplayValue(), first);
    EXPECT_EQ(effect.displayValueCount(), 3);

    Recorder recorder;
    effect.setDisplayValue(first + 1, 0.9f);  // before listening: not heard
    effect.listenToDisplayValues(&recorder);
    effect.setDisplayValue(first + 2, 0.25f);
    effect.setDisplayValue(first - 1, 0.5f);  // a parameter's index: ignored
    effect.setDisplayValue(first + 3, 0.5f);  // past the run: ignored
    effect.setDisplayValue(first, 1.0f);
    effect.setDisplayValue(first + 2, 0.125f);
    effect.listenToDisplayValues(nullptr);
    effect.setDisplayValue(first, 0.75f);

    const std::vector<std::pair<int32_t, float>> expected = {{first + 2, 0.25f}, {first, 1.0f}, {first + 2, 0.125f}};
    EXPECT_EQ(recorder.told, expected);
    EXPECT_EQ(effect.getDisplayValue(first), 0.75f);
}

}  // namespace
}  // namespace fendwick
