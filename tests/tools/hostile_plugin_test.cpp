// The tool run on plug-ins that misbehave: each refused with its reason.
#include "audio_buffer.h"
#include "test_audio_files.h"
#include "test_plugins.h"
#include "tool_process.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <sstream>

namespace fendwick {
namespace {

using test::runTool;
using test::ScratchFolder;
using test::ToolRun;

constexpr int kFloatWav = SF_FORMAT_WAV | SF_FORMAT_FLOAT;

struct HostileCase {
    const char* fixture;
    const char* command;
    const char* phrase;
};

const HostileCase kRefusedPlugins[] = {
    {EXIT_IN_ENTRY_FIXTURE_PATH, "info", "the plug-in ended the process while creating its instance"},
    {EXIT_IN_ENTRY_FIXTURE_PATH, "render", "the plug-in ended the process while creating its instance"},
    {OVERRUN_TEXTS_FIXTURE_PATH, "info", "the plug-in wrote more than 1024 bytes for its effect name"},
    {OVERRUN_TEXTS_FIXTURE_PATH, "render", "the plug-in wrote more than 1024 bytes for its effect name"},
    {HUGE_PARAMETER_COUNT_FIXTURE_PATH, "info", "reports 100000000 parameters; fendwick takes 0 to 10000"},
    {HUGE_PROGRAM_COUNT_FIXTURE_PATH, "info", "reports 100000000 programs; fendwick takes 0 to 10000"},
};

TEST(HostilePlugin, EachIsRefusedWithItsReasonAndLeavesNoFile)
{
    for (const HostileCase& c : kRefusedPlugins) {
        const ScratchFolder folder("hostile");
        test::writeAudioFile(folder.file("in.wav"), AudioBuffer(1, 4410), 44100, kFloatWav);
        const std::string command = c.command;
        const ToolRun run = command == "info" ? runTool({"info", c.fixture})
                                              : runTool({"render", c.fixture, folder.file("in.wav"), folder.file("out.wav")});
        EXPECT_EQ(run.exitCode, 1) << c.fixture << " " << command << ": " << run.err;
        EXPECT_NE(run.err.find(c.phrase), std::string::npos) << c.fixture << " " << command << ": " << run.err;
        EXPECT_EQ(folder.entries(), std::vector<std::string>{"in.wav"}) << c.fixture << " " << command;
    }
}

TEST(HostilePlugin, OverlongTextsAreCutToWhatHostsKeep)
{
    const ToolRun run = runTool({"info", LONG_TEXTS_FIXTURE_PATH});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::istringstream lines(run.out);
    std::string name;
    std::getline(lines, name);
    EXPECT_EQ(name, "Gain fixture" + std::string(32 - 12, 'x'));
    EXPECT_NE(run.out.find(" Unity" + std::string(24 - 5, 'x') + "\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find(" Gain" + std::string(64 - 4, 'x') + " "), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find(std::string(65, 'x')), std::string::npos) << run.out;
}

}  // namespace
}  // namespace fendwick
