// `fendwick bench` run as a subprocess: every plug-in gets a row, the baseline is 1.00.
#include "test_plugins.h"
#include "tool_process.h"

#include <gtest/gtest.h>

#include <fstream>
#include <unistd.h>

namespace fendwick {
namespace {

using test::runTool;
using test::ToolRun;

// A row after its name: ns/frame, spread, "%", realtime factor, creation time
// in ms, ratio (and "(baseline)" on the baseline's row).
void expectRow(const std::string& table, const std::string& label, bool baseline)
{
    const std::vector<std::string> cells = test::tableRow(table, label);
    ASSERT_EQ(cells.size(), baseline ? 7u : 6u) << label << " in:\n" << table;
    EXPECT_GT(std::stod(cells[0]), 0.0);
    EXPECT_EQ(cells[2], "%");
    EXPECT_EQ(cells[3].back(), 'x');
    EXPECT_GE(std::stod(cells[4]), 0.0);
    if (baseline) {
        EXPECT_EQ(cells[5] + " " + cells[6], "1.00 (baseline)");
    } else {
        // Two decimals: under load a plug-in can come out 0.00 of the baseline.
        EXPECT_GE(std::stod(cells[5]), 0.0);
    }
}

TEST(Bench, TimesOursAgainstTheFirstOrANamedBaseline)
{
    SKIP_UNLESS_FILE(test::ourPlugin("ascarell"));
    SKIP_UNLESS_FILE(test::ourPlugin("ascarell_mono"));
    const std::vector<std::string> quick = {"--seconds", "0.2", "--rounds", "2", "--plugin-dir", BUILD_PLUGIN_DIR};
    std::vector<std::string> arguments = {"bench", "ascarell", "ascarell_mono"};
    arguments.insert(arguments.end(), quick.begin(), quick.end());
    const ToolRun run = runTool(arguments);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    expectRow(run.out, "Ascarell", true);
    expectRow(run.out, "Ascarell_mono", false);

    arguments.insert(arguments.end(), {"--baseline", "ascarell_mono"});
    const ToolRun named = runTool(arguments);
    ASSERT_EQ(named.exitCode, 0) << named.err;
    expectRow(named.out, "Ascarell_mono", true);
    expectRow(named.out, "Ascarell", false);
}

TEST(Bench, TimesOnePlugInOnSeveralProgramsByNumberOrName)
{
    SKIP_UNLESS_FILE(test::ourPlugin("ascarell"));
    const std::vector<std::string> arguments = {"bench", "ascarell@0", "ascarell@Drum", "--baseline", "ascarell@Drum",
                                                "--seconds", "0.2", "--rounds", "1", "--plugin-dir", BUILD_PLUGIN_DIR};
    const ToolRun run = runTool(arguments);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    expectRow(run.out, "Ascarell @9", true);
    expectRow(run.out, "Ascarell @0", false);

    const ToolRun unknown = runTool({"bench", "ascarell@Loudest", "--plugin-dir", BUILD_PLUGIN_DIR});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_NE(unknown.err.find("\"Drum\""), std::string::npos) << "the valid programs are listed: " << unknown.err;
}

TEST(Bench, TimesDigitalSilenceWhenAsked)
{
    SKIP_UNLESS_FILE(test::ourPlugin("tolverin"));
    const ToolRun run = runTool({"bench", "tolverin", "--silence", "--seconds", "0.2", "--rounds", "1", "--plugin-dir",
                                 BUILD_PLUGIN_DIR});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("digital silence"), std::string::npos) << run.out;
    expectRow(run.out, "Tolverin", true);
}

TEST(Bench, WithoutPluginsTakesTheFolderSkippingWhatWillNotLoad)
{
    const test::ScratchFolder folder("bench_folder");
    ASSERT_EQ(symlink(GAIN_FIXTURE_PATH, folder.file("gain.so").c_str()), 0);
    std::ofstream(folder.file("broken.so")) << "not a library";
    // The installed peers join in; one of them leaks when unloaded, which a
    // sanitizer build would otherwise hold against this run.
    const ToolRun run = runTool({"bench", "--seconds", "0.05", "--rounds", "1"},
                                {{"FENDWICK_PLUGIN_DIR", folder.path()}, {"ASAN_OPTIONS", "detect_leaks=0"}});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    expectRow(run.out, "Gain fixture", true);
    EXPECT_NE(run.err.find("skipping " + folder.file("broken.so")), std::string::npos) << run.err;
    if (test::fileExists(test::zamCompPath())) {
        expectRow(run.out, "ZamCompX2", false);
    }
}

}  // namespace
}  // namespace fendwick
