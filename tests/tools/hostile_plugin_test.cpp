// The tool run on plug-ins that misbehave: each refused with its reason, and NaN never passed off as audio.
#include "audio_buffer.h"
#include "test_audio_files.h"
#include "test_plugins.h"
#include "tool_process.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <limits>
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

class NonFiniteRender : public testing::Test {
protected:
    ScratchFolder folder{"non_finite"};
};

TEST_F(NonFiniteRender, NanOutputFailsSayingWhereAndWritesOnlyWhenAskedToKeep)
{
    // 0.1 s at 44.1 kHz; the fixture breaks from frame 1000 on.
    test::writeAudioFile(folder.file("in.wav"), AudioBuffer(1, 4410), 44100, kFloatWav);
    const std::string where = "3410 non-finite samples (NaN or infinite), the first at channel 1, frame 1000 (0.023 s)";

    const ToolRun refused = runTool({"render", NAN_OUTPUT_FIXTURE_PATH, folder.file("in.wav"), folder.file("out.wav"),
                                     "--encoding", "pcm16"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("the plug-in put out " + where), std::string::npos) << refused.err;
    EXPECT_NE(refused.err.find("was not written"), std::string::npos) << refused.err;
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"in.wav"});

    const ToolRun kept = runTool({"render", NAN_OUTPUT_FIXTURE_PATH, folder.file("in.wav"), folder.file("out.wav"),
                                  "--keep-bad-output"});
    EXPECT_EQ(kept.exitCode, 1);
    EXPECT_NE(kept.err.find(where + "; " + folder.file("out.wav") + " was kept as asked"), std::string::npos)
        << kept.err;
    EXPECT_NE(kept.out.find("the output holds " + where), std::string::npos) << kept.out;
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"in.wav", "out.wav"}));
}

TEST_F(NonFiniteRender, NanInputIsReportedAndLeftOutOfTheLevels)
{
    SKIP_UNLESS_FILE(test::ourPlugin("ascarell"));
    AudioBuffer input(2, 4410);
    std::fill(input.channel(0), input.channel(0) + 4410, 0.5f);
    input.channel(1)[100] = std::numeric_limits<float>::quiet_NaN();
    test::writeAudioFile(folder.file("in.wav"), input, 44100, kFloatWav);
    const ToolRun run = runTool({"render", test::ourPlugin("ascarell"), folder.file("in.wav"), folder.file("out.wav")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("the input holds 1 non-finite sample (NaN or infinite), the first at channel 2, frame 100 "
                           "(0.002 s)"),
              std::string::npos)
        << run.out;
    // Half of the finite samples at 0.5, the rest silent: -9.03 dBFS RMS.
    EXPECT_EQ(test::tableRow(run.out, "input"), (std::vector<std::string>{"-6.02", "-9.03", "0"})) << run.out;
}

}  // namespace
}  // namespace fendwick
