// How the tool names what it reads from a plug-in, and finds programs and parameters by name.
#include "demo_programs.h"
#include "plugin_description.h"
#include "plugin_settings.h"
#include "tool_error.h"
#include "loaded_plugin.h"

#include <gtest/gtest.h>

namespace fendwick {
namespace {

TEST(PluginIdentity, UnprintableIdBytesAndUnnamedFlagBits)
{
    EXPECT_EQ(uniqueIdText(static_cast<int32_t>(0xFF5C417Au)), "\\xff\\x5cAz");
    EXPECT_EQ(flagNames(EffectFlag::programChunks | (1 << 12)), (std::vector<std::string>{"programChunks", "bit12"}));
}

TEST(PluginSettings, NamesIgnoringCaseAfterExactOnes)
{
    LoadedPlugin loaded(GAIN_FIXTURE_PATH);
    HostedPlugin& plugin = loaded.plugin();
    EXPECT_EQ(findProgram(plugin, "half"), 1);
    EXPECT_EQ(findProgram(plugin, "0"), 0);
    EXPECT_THROW(findProgram(plugin, "-1"), ToolError);
    applySetting(plugin, "gain=0.125");
    EXPECT_EQ(plugin.getParameter(0), 0.125f);
}

TEST(DemoPrograms, CharacteristicByNameElseProgramOne)
{
    const std::vector<std::string> names = {"Default", "Classic", "Drum", "Drum Loud"};
    EXPECT_EQ(characteristicProgram("tolverin", names), 3);
    EXPECT_EQ(characteristicProgram("ascarell3", names), 1);
    EXPECT_EQ(characteristicProgram("newcomer", {"Only"}), 0);
}

}  // namespace
}  // namespace fendwick
