// `fendwick demo` run as a subprocess: files, channel counts, the table, and
// plug-ins it has never heard of.
#include "test_audio_files.h"
#include "test_plugins.h"
#include "tool_process.h"

#include <gtest/gtest.h>

#include <sstream>

#include <unistd.h>

namespace fendwick {
namespace {

using test::readAudioFile;
using test::runTool;
using test::ToolRun;

// The largest gain reduction the table shows for one plug-in and program
// number: the third cell from the end (before realtime factor and file).
double reductionOf(const std::string& table, const std::string& plugin, int program)
{
    std::istringstream lines(table);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        std::vector<std::string> cells;
        for (std::string cell; words >> cell;) {
            cells.push_back(cell);
        }
        if (cells.size() >= 7 && cells[0] == plugin && cells[1] == std::to_string(program)) {
            return std::stod(cells[cells.size() - 3]);
        }
    }
    ADD_FAILURE() << "no row for " << plugin << " program " << program << " in:\n" << table;
    return 0.0;
}

TEST(Demo, RendersOursOnDefaultAndCharacteristicPrograms)
{
    SKIP_UNLESS_FILE(test::ourPlugin("ascarell"));
    SKIP_UNLESS_FILE(test::ourPlugin("ascarell_mono"));
    const test::ScratchFolder folder("demo_ours");
    const test::ScratchFolder plugins("demo_plugins");
    for (const char* name : {"ascarell", "ascarell_mono"}) {
        ASSERT_EQ(symlink(test::ourPlugin(name).c_str(), plugins.file(std::string(name) + ".so").c_str()), 0);
    }
    const ToolRun run = runTool({"demo", folder.path(), "--plugin-dir", plugins.path()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"ascarell-0-default.wav", "ascarell-9-drum.wav",
                                                          "ascarell_mono-0-default.wav", "ascarell_mono-9-drum.wav",
                                                          "input.wav"}));
    const test::AudioFile input = readAudioFile(folder.file("input.wav"));
    EXPECT_EQ(input.sampleRateHz, 44100);
    EXPECT_EQ(input.audio.channels(), 2);
    EXPECT_EQ(input.audio.frames(), 6u * 44100u);
    EXPECT_EQ(readAudioFile(folder.file("ascarell-9-drum.wav")).audio.channels(), 2);
    EXPECT_EQ(readAudioFile(folder.file("ascarell_mono-9-drum.wav")).audio.channels(), 1);
    EXPECT_EQ(readAudioFile(folder.file("ascarell_mono-9-drum.wav")).audio.frames(), 6u * 44100u);

    // The drum program compresses the hits; the default, at its threshold of 0 dBFS, hardly.
    EXPECT_GT(reductionOf(run.out, "ascarell", 9), reductionOf(run.out, "ascarell", 0) + 1.5)
        << run.out;
    EXPECT_GT(reductionOf(run.out, "ascarell_mono", 9), 1.5) << run.out;
}

TEST(Demo, CoversAPluginNotInItsTableOnProgramOne)
{
    const test::ScratchFolder folder("demo_new");
    const test::ScratchFolder plugins("demo_new_plugins");
    ASSERT_EQ(symlink(GAIN_FIXTURE_PATH, plugins.file("tolverin9.so").c_str()), 0);
    const ToolRun run = runTool({"demo", folder.path()}, {{"FENDWICK_PLUGIN_DIR", plugins.path()}});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(folder.entries(),
              (std::vector<std::string>{"input.wav", "tolverin9-0-unity.wav", "tolverin9-1-half.wav"}));
    // "Half" halves the level: 6.02 dB down.
    EXPECT_NEAR(reductionOf(run.out, "tolverin9", 1), 6.02, 0.01) << run.out;
    EXPECT_NEAR(reductionOf(run.out, "tolverin9", 0), 0.0, 0.01) << run.out;
}

TEST(Demo, MakesMissingParentFolders)
{
    const test::ScratchFolder folder("demo_nested");
    const test::ScratchFolder plugins("demo_nested_plugins");
    ASSERT_EQ(symlink(GAIN_FIXTURE_PATH, plugins.file("gain.so").c_str()), 0);
    const ToolRun run =
        runTool({"demo", folder.file("takes/first")}, {{"FENDWICK_PLUGIN_DIR", plugins.path()}});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(readAudioFile(folder.file("takes/first/input.wav")).audio.channels(), 2);
}

}  // namespace
}  // namespace fendwick
