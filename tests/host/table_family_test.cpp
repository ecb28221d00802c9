// The effect base's identity, parameter and program answers for a family
// made only of tables, shaped unlike the single-band one.
#include "choice_value.h"
#include "effect_base.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace fendwick {
namespace {

// Inputs and outputs differ, names are longer than the interface's historic
// bounds and effect and product names differ, so that a mix-up or a cut shows.
const PluginIdentity kTinyIdentity{"Tiny effect name", "Tiny product", "Tiny vendor", 7, PlugCategory::effect,
                                   fourCharCode("tiny"), 1, 2, 2, 3, EffectFlag::canReplace};
// B's last position reads longer than the host's bound.
const char* const kTinyChoices[] = {"Short", "Longest choice"};
const ChoiceValue kTinyChoice(kTinyChoices);
const ParameterRow kTinyRows[] = {
    {"Longest name", "units", nullptr, nullptr}, {"B", "", &kTinyChoice, nullptr}, {"C", "", nullptr, nullptr}};
const FactoryProgram<3> kTinyPrograms[] = {{"First", {0.1f, 0.2f, 0.3f}},
                                           {"A second name well past the bound", {0.4f, 0.5f, 0.6f}}};

class TinyEffect : public EffectBase {
public:
    explicit TinyEffect(ProgramBank programs = ProgramBank(kTinyPrograms))
        : EffectBase(nullptr, kTinyIdentity, ParameterTable(kTinyRows), std::move(programs))
    {
        setProgram(0);
        applied.clear();
    }

    float getParameter(int32_t index) override { return index >= 0 && index < 3 ? values[index] : 0.0f; }
    void processAccumulate(float**, float**, int32_t) override {}

    std::string text(int32_t opcode, int32_t index = 0)
    {
        char buffer[40];
        std::fill(std::begin(buffer), std::end(buffer), 'x');
        buffer[39] = '\0';
        dispatch(opcode, index, 0, buffer, 0.0f);
        return buffer;
    }

    std::vector<std::pair<int32_t, float>> applied;

protected:
    void applyParameter(int32_t index, float value) override
    {
        values[index] = value;
        applied.emplace_back(index, value);
    }

private:
    float values[3] = {};
};

TEST(TableFamily, IdentityRowReachesTheRecordAndNamesGoOutWhole)
{
    TinyEffect effect;
    const EffectRecord& r = *effect.effectRecord();
    EXPECT_EQ(r.numInputs, 1);
    EXPECT_EQ(r.numOutputs, 2);
    EXPECT_EQ(r.numPrograms, 2);
    EXPECT_EQ(r.numParams, 3);
    EXPECT_EQ(r.flags, EffectFlag::canReplace);
    EXPECT_EQ(r.uniqueId, fourCharCode("tiny"));
    EXPECT_EQ(effect.dispatch(EffectOpcode::getVendorVersion, 0, 0, nullptr, 0.0f), 7);
    EXPECT_EQ(effect.text(EffectOpcode::getEffectName), "Tiny effect name");
    EXPECT_EQ(effect.text(EffectOpcode::getProductString), "Tiny product");
    EXPECT_EQ(effect.text(EffectOpcode::getVendorString), "Tiny vendor");
    EXPECT_EQ(effect.text(EffectOpcode::getParameterName, 0), "Longest name");
    EXPECT_EQ(effect.text(EffectOpcode::getParameterLabel, 0), "units");
    EXPECT_EQ(effect.text(EffectOpcode::getParameterDisplay, 2), "0.300000");
    for (int32_t opcode : {EffectOpcode::getParameterName, EffectOpcode::getParameterLabel,
                           EffectOpcode::getParameterDisplay}) {
        EXPECT_EQ(effect.text(opcode, 3), std::string(39, 'x')) << opcode;
        EXPECT_EQ(effect.text(opcode, -1), std::string(39, 'x')) << opcode;
    }
}

TEST(TableFamily, DisplayTextsAreCutAtTheHostsBound)
{
    TinyEffect effect;
    EXPECT_EQ(effect.text(EffectOpcode::getParameterDisplay, 1), "Short");
    effect.setParameter(1, 1.0f);
    char buffer[16];
    std::memset(buffer, 'x', sizeof buffer);
    effect.dispatch(EffectOpcode::getParameterDisplay, 1, 0, buffer, 0.0f);
    EXPECT_STREQ(buffer, "Longest ");
    EXPECT_EQ(std::string(buffer + 9, sizeof buffer - 9), std::string(sizeof buffer - 9, 'x'));
}

TEST(TableFamily, SwitchingAppliesEveryValueInOrderAndLaterChangesStayInThatProgram)
{
    TinyEffect effect;
    effect.setProgram(1);
    const std::vector<std::pair<int32_t, float>> expected = {{0, 0.4f}, {1, 0.5f}, {2, 0.6f}};
    EXPECT_EQ(effect.applied, expected);

    effect.setParameter(2, 0.9f);
    effect.setProgram(0);
    EXPECT_EQ(effect.getParameter(2), 0.3f);
    effect.setProgram(1);
    EXPECT_EQ(effect.getParameter(2), 0.9f);
    EXPECT_EQ(effect.text(EffectOpcode::getProgramName), "A second name well past");
}

TEST(TableFamily, ASlotMapOrdersAProgramChangeAndPlacesEveryValue)
{
    const int32_t parameterInSlot[] = {2, 0, 1};
    TinyEffect effect(ProgramBank(kTinyPrograms, parameterInSlot));
    effect.setProgram(1);
    const std::vector<std::pair<int32_t, float>> expected = {{2, 0.4f}, {0, 0.5f}, {1, 0.6f}};
    EXPECT_EQ(effect.applied, expected);

    effect.setParameter(0, 0.9f);
    effect.setProgram(0);
    effect.applied.clear();
    effect.setProgram(1);
    const std::vector<std::pair<int32_t, float>> changed = {{2, 0.4f}, {0, 0.9f}, {1, 0.6f}};
    EXPECT_EQ(effect.applied, changed);
}

TEST(TableFamily, IndexesOutsideTheTablesChangeNothing)
{
    TinyEffect effect;
    effect.setParameter(3, 0.7f);
    effect.setParameter(-1, 0.7f);
    effect.setProgram(2);
    effect.setProgram(-1);
    EXPECT_TRUE(effect.applied.empty());
    EXPECT_EQ(effect.getProgram(), 0);
    char name[8] = "kept";
    EXPECT_FALSE(effect.getProgramNameIndexed(0, 2, name));
    EXPECT_FALSE(effect.getProgramNameIndexed(0, -1, name));
    EXPECT_STREQ(name, "kept");
}

}  // namespace
}  // namespace fendwick
