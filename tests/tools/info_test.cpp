// `fendwick info` run as a subprocess on ours and on a peer, as text and as JSON.
#include "test_plugins.h"
#include "tool_process.h"

#include <gtest/gtest.h>


namespace fendwick {
namespace {

using test::runTool;
using test::ToolRun;

struct ExpectedParameter {
    const char* name;
    const char* label;
    const char* display;  // at program 0
};

constexpr ExpectedParameter kAscarellParameters[] = {
    {"Input", "dB", "0.0"},   {"Ratio", "", "2.0 : 1"}, {"Knee", "", "10 %"},      {"Attack", "ms", "19"},
    {"Release", "ms", "120"}, {"ARC", "", "On"},        {"Thresh", "dB", "-0.0"}, {"OutLevel", "dB", "0.0"},
};

constexpr const char* kAscarellPrograms[] = {
    "Default",       "Classic",       "Master Soft",   "Master Basic", "Master Loud",   "Cutting",
    "Dump",          "Limiting Soft", "Limiting Hard", "Drum",         "Drum Loud",     "Snare Tight",
    "Snare Phat",    "Kick Tight",    "Kick Phat",     "AGuitar",      "EGuitar Clean", "EGuitar Crunch",
    "EBass",         "EBass Slap",    "ABass",         "Vocal",        "Vocal Enhance",
};

void expectAscarellLists(const std::string& plugin)
{
    const ToolRun json = runTool({"info", plugin, "--json"});
    ASSERT_EQ(json.exitCode, 0) << json.err;
    for (size_t i = 0; i < std::size(kAscarellParameters); ++i) {
        const std::string entry = "\"index\": " + std::to_string(i) + ",\n      \"name\": \"" +
                                  kAscarellParameters[i].name + "\",\n      \"label\": \"" +
                                  kAscarellParameters[i].label + "\",";
        const std::string display = std::string("\"display\": \"") + kAscarellParameters[i].display + "\"";
        EXPECT_NE(json.out.find(entry), std::string::npos) << entry;
        EXPECT_NE(json.out.find(display, json.out.find(entry)), std::string::npos) << display;
    }
    EXPECT_EQ(json.out.find("\"index\": 8,"), std::string::npos) << "ascarell has 8 parameters";
    std::string programs = "\"programs\": [";
    for (const char* name : kAscarellPrograms) {
        programs += std::string(name == kAscarellPrograms[0] ? "" : ",") + "\n    \"" + name + "\"";
    }
    programs += "\n  ]";
    EXPECT_NE(json.out.find(programs), std::string::npos) << json.out;
    EXPECT_NE(json.out.find("\"vendor\": \"Fendwick\""), std::string::npos);

    const ToolRun text = runTool({"info", plugin});
    ASSERT_EQ(text.exitCode, 0) << text.err;
    // Every parameter row: index, name, label (when there is one), value and display text.
    for (size_t i = 0; i < std::size(kAscarellParameters); ++i) {
        const std::vector<std::string> cells =
            test::tableRow(text.out, std::to_string(i) + "  " + kAscarellParameters[i].name);
        const bool labelled = kAscarellParameters[i].label[0] != '\0';
        const size_t valueCell = labelled ? 1 : 0;
        ASSERT_GT(cells.size(), valueCell + 1) << "parameter " << i << " in:\n" << text.out;
        if (labelled) {
            EXPECT_EQ(cells[0], kAscarellParameters[i].label);
        }
        EXPECT_EQ(cells[valueCell].size(), 8u) << "value with six decimals";
        std::string display = cells[valueCell + 1];
        for (size_t c = valueCell + 2; c < cells.size(); ++c) {
            display += " " + cells[c];
        }
        EXPECT_EQ(display, kAscarellParameters[i].display) << "parameter " << i;
    }
    EXPECT_NE(text.out.find("\n     22  Vocal Enhance\n"), std::string::npos) << text.out;
}

TEST(Info, ListsAscarellNamesLabelsAndPrograms)
{
    SKIP_UNLESS_FILE(test::ourPlugin("ascarell"));
    expectAscarellLists(test::ourPlugin("ascarell"));
    const ToolRun identity = runTool({"info", test::ourPlugin("ascarell")});
    EXPECT_NE(identity.out.find("unique ID   qk21 (0x716b3231)"), std::string::npos) << identity.out;
    EXPECT_NE(identity.out.find("inputs      2\n  outputs     2\n"), std::string::npos) << identity.out;
    EXPECT_NE(identity.out.find("canMono canReplace"), std::string::npos) << identity.out;
}

TEST(Info, ListsTheSameForTheMonoBuildFoundByName)
{
    SKIP_UNLESS_FILE(test::ourPlugin("ascarell_mono"));
    const ToolRun run = runTool({"info", "ascarell_mono"}, {{"FENDWICK_PLUGIN_DIR", BUILD_PLUGIN_DIR}});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out.rfind("Ascarell_mono\n", 0), 0u) << run.out;
    EXPECT_NE(run.out.find("unique ID   qk22"), std::string::npos);
    EXPECT_NE(run.out.find("inputs      1\n  outputs     1\n"), std::string::npos) << run.out;
    expectAscarellLists(test::ourPlugin("ascarell_mono"));
}

TEST(Info, WorksOnAPeerAsABlackBox)
{
    SKIP_UNLESS_FILE(test::zamCompPath());
    const ToolRun run = runTool({"info", test::zamCompPath(), "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("\"name\": \"ZamCompX2\""), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\"parameters\": [\n    {"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.back(), '\n');
}

TEST(Info, RefusesWhatItCannotLoad)
{
    const ToolRun missing = runTool({"info", "no_such_plugin"}, {{"FENDWICK_PLUGIN_DIR", "/nowhere"}});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("/nowhere/no_such_plugin.so: cannot open shared object file"), std::string::npos)
        << missing.err;
    EXPECT_EQ(missing.out, "");

    const ToolRun null = runTool({"info", NULL_ENTRY_FIXTURE_PATH});
    EXPECT_EQ(null.exitCode, 1);
    EXPECT_NE(null.err.find("returned no instance (null)"), std::string::npos) << null.err;
}

}  // namespace
}  // namespace fendwick
