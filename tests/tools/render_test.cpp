// `fendwick render` run as a subprocess: exact samples, formats, and every
// refused input answered with its message, a failing exit code and no file.
#include "benchmark_signal.h"
#include "block_processing.h"
#include "loaded_plugin.h"
#include "test_audio_files.h"
#include "test_plugins.h"
#include "tool_process.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <thread>
#include <unistd.h>

namespace fendwick {
namespace {

using test::readAudioFile;
using test::runTool;
using test::ScratchFolder;
using test::ToolRun;

constexpr int kFloatWav = SF_FORMAT_WAV | SF_FORMAT_FLOAT;

// What processing `input` through a fresh instance with the library's entry gives.
AudioBuffer processedByEntry(const std::string& plugin, AudioBuffer& input, float sampleRateHz, int blockSize,
                             int program, int parameter, float value)
{
    LoadedPlugin loaded(plugin);
    HostedPlugin& instance = loaded.plugin();
    instance.open();
    instance.setSampleRate(sampleRateHz);
    instance.setBlockSize(blockSize);
    instance.setProgram(program);
    instance.setParameter(parameter, value);
    instance.resume();
    AudioBuffer output(instance.numOutputs(), input.frames());
    processReplacingInBlocks(instance, input, output, blockSize);
    return output;
}

void expectSameSamples(const AudioBuffer& actual, const AudioBuffer& expected)
{
    ASSERT_EQ(actual.channels(), expected.channels());
    ASSERT_EQ(actual.frames(), expected.frames());
    for (int c = 0; c < expected.channels(); ++c) {
        for (size_t i = 0; i < expected.frames(); ++i) {
            ASSERT_EQ(actual.channel(c)[i], expected.channel(c)[i]) << "channel " << c << " frame " << i;
        }
    }
}

TEST(Render, GivesExactlyWhatTheEntryGivesForOurStereoPlugin)
{
    SKIP_UNLESS_FILE(test::ourPlugin("ascarell"));
    const ScratchFolder folder("render_exact");
    // An odd length, so the last block is a short one.
    AudioBuffer input = makeBenchmarkSignal(48000.0, 1.3, 2);
    test::writeAudioFile(folder.file("in.wav"), input, 48000, kFloatWav);

    const ToolRun run = runTool({"render", test::ourPlugin("ascarell"), folder.file("in.wav"), folder.file("out.wav"),
                                 "--program", "Drum", "--set", "Input=0.75", "--block", "300"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const test::AudioFile rendered = readAudioFile(folder.file("out.wav"));
    EXPECT_EQ(rendered.sampleRateHz, 48000);
    EXPECT_EQ(rendered.format, kFloatWav);
    expectSameSamples(rendered.audio, processedByEntry(test::ourPlugin("ascarell"), input, 48000.0f, 300, 9, 0, 0.75f));
}

TEST(Render, FeedsAMonoPluginTheChosenChannel)
{
    SKIP_UNLESS_FILE(test::ourPlugin("ascarell_mono"));
    const ScratchFolder folder("render_mono");
    AudioBuffer stereo = makeBenchmarkSignal(44100.0, 0.5, 2);
    test::writeAudioFile(folder.file("in.wav"), stereo, 44100, kFloatWav);
    const ToolRun run = runTool({"render", "ascarell_mono", folder.file("in.wav"), folder.file("right.wav"),
                                 "--channel", "2", "--plugin-dir", BUILD_PLUGIN_DIR});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    AudioBuffer rightOnly(1, stereo.frames());
    std::copy(stereo.channel(1), stereo.channel(1) + stereo.frames(), rightOnly.channel(0));
    expectSameSamples(readAudioFile(folder.file("right.wav")).audio,
                      processedByEntry(test::ourPlugin("ascarell_mono"), rightOnly, 44100.0f, 512, 0, 0, 0.5f));
}

// Levels, full-scale counts and the format: the input's unless told otherwise.
TEST(Render, SumsUpLevelsAndKeepsOrChangesTheFormat)
{
    const ScratchFolder folder("render_format");
    AudioBuffer input(1, 4410);
    input.channel(0)[10] = 1.0f;
    input.channel(0)[20] = -1.5f;
    input.channel(0)[30] = 0.25f;
    test::writeAudioFile(folder.file("in.wav"), input, 44100, kFloatWav);
    const ToolRun run = runTool({"render", GAIN_FIXTURE_PATH, folder.file("in.wav"), folder.file("out.wav"),
                                 "--set", "Gain=0.25"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(readAudioFile(folder.file("out.wav")).format, kFloatWav);
    // Two samples at or above full scale in, none out; gain 0.25 halves the level.
    EXPECT_NE(run.out.find("input        3.52    -31.24              2"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("output      -2.50    -37.26              0"), std::string::npos) << run.out;
    EXPECT_EQ(run.err, "") << "no progress bar when standard error is no terminal";

    const ToolRun flac = runTool({"render", GAIN_FIXTURE_PATH, folder.file("in.wav"), folder.file("out.flac"),
                                  "--format", "flac", "--encoding", "pcm16"});
    ASSERT_EQ(flac.exitCode, 0) << flac.err;
    const test::AudioFile written = readAudioFile(folder.file("out.flac"));
    EXPECT_EQ(written.format, SF_FORMAT_FLAC | SF_FORMAT_PCM_16);
    EXPECT_EQ(written.audio.channel(0)[30], 0.25f);
}

// One refused render: a message, a failing exit code and nothing new in the folder.
class RefusedRender : public testing::Test {
protected:
    void SetUp() override
    {
        AudioBuffer stereo = makeBenchmarkSignal(44100.0, 0.2, 2);
        test::writeAudioFile(folder.file("stereo.wav"), stereo, 44100, kFloatWav);
    }

    void expectRefused(const std::vector<std::string>& arguments, int exitCode, const std::vector<std::string>& phrases)
    {
        const ToolRun run = runTool(arguments);
        EXPECT_EQ(run.exitCode, exitCode) << run.err;
        for (const std::string& phrase : phrases) {
            EXPECT_NE(run.err.find(phrase), std::string::npos) << "missing \"" << phrase << "\" in: " << run.err;
        }
        EXPECT_EQ(folder.entries(), inputFiles);
    }

    std::string input() const { return folder.file("stereo.wav"); }
    std::string output() const { return folder.file("out.wav"); }

    ScratchFolder folder{"render_refused"};
    // What the folder holds before and after each refused render.
    std::vector<std::string> inputFiles{"stereo.wav"};
};

TEST_F(RefusedRender, MissingOrUnreadableInput)
{
    expectRefused({"render", GAIN_FIXTURE_PATH, folder.file("missing.wav"), output(), "--mix"}, 1,
                  {"cannot read " + folder.file("missing.wav") + ": there is no such file"});
    std::ofstream(folder.file("noise.wav")) << "not audio at all, just some words in a file";
    inputFiles = {"noise.wav", "stereo.wav"};
    expectRefused({"render", GAIN_FIXTURE_PATH, folder.file("noise.wav"), output(), "--mix"}, 1,
                  {"cannot read " + folder.file("noise.wav") + ": it is no sound file"});
    expectRefused({"render", GAIN_FIXTURE_PATH, folder.path(), output(), "--mix"}, 1, {"it is a folder"});
}

TEST_F(RefusedRender, ChannelCountThePluginCannotTake)
{
    expectRefused({"render", GAIN_FIXTURE_PATH, input(), output()}, 1,
                  {"takes 1 input but the file has 2 channels", "--channel", "--mix"});
    expectRefused({"render", GAIN_FIXTURE_PATH, input(), output(), "--channel", "3"}, 1,
                  {"--channel 3", "the file has 2 channels"});
    expectRefused({"render", GAIN_FIXTURE_PATH, input(), output(), "--channel", "1", "--mix"}, 2, {"exclude"});
}

TEST_F(RefusedRender, LibraryThatWillNotLoadOrCreate)
{
    expectRefused({"render", "/no/such/plugin.so", input(), output()}, 1,
                  {"/no/such/plugin.so: cannot open shared object file"});
    expectRefused({"render", NO_ENTRY_FIXTURE_PATH, input(), output()}, 1, {"exports neither VSTPluginMain nor main"});
    expectRefused({"render", NULL_ENTRY_FIXTURE_PATH, input(), output()}, 1, {"returned no instance (null)"});
}

TEST_F(RefusedRender, UnknownProgramOrParameterListsTheValidOnes)
{
    expectRefused({"render", GAIN_FIXTURE_PATH, input(), output(), "--mix", "--program", "Loud"}, 1,
                  {"no program \"Loud\"", "0  \"Unity\"", "1  \"Half\""});
    expectRefused({"render", GAIN_FIXTURE_PATH, input(), output(), "--mix", "--program", "2"}, 1, {"no program \"2\""});
    expectRefused({"render", GAIN_FIXTURE_PATH, input(), output(), "--mix", "--set", "Volume=0.5"}, 1,
                  {"no parameter \"Volume\"", "0  \"Gain\"", "1  \"Slow\""});

    SKIP_UNLESS_FILE(test::ourPlugin("ascarell"));
    expectRefused({"render", test::ourPlugin("ascarell"), input(), output(), "--program", "Vocals"}, 1,
                  {"0  \"Default\"", "22  \"Vocal Enhance\""});
    expectRefused({"render", test::ourPlugin("ascarell"), input(), output(), "--set", "Threshold=0.5"}, 1,
                  {"6  \"Thresh\"", "7  \"OutLevel\""});
}

TEST_F(RefusedRender, ValueOutsideZeroToOne)
{
    expectRefused({"render", GAIN_FIXTURE_PATH, input(), output(), "--mix", "--set", "Gain=1.5"}, 1,
                  {"Gain=1.5", "from 0 to 1"});
    expectRefused({"render", GAIN_FIXTURE_PATH, input(), output(), "--mix", "--set", "Gain=-0.1"}, 1,
                  {"from 0 to 1"});
    expectRefused({"render", GAIN_FIXTURE_PATH, input(), output(), "--mix", "--set", "Gain=loud"}, 2,
                  {"\"loud\" is no number"});
}

TEST_F(RefusedRender, NeverOverwritesTheInput)
{
    const test::AudioFile before = readAudioFile(input());
    expectRefused({"render", GAIN_FIXTURE_PATH, input(), input(), "--mix"}, 1, {"never overwrites its input"});
    // The same file through another name.
    expectRefused({"render", GAIN_FIXTURE_PATH, input(), folder.path() + "/./stereo.wav", "--mix"}, 1,
                  {"never overwrites its input"});
    const test::AudioFile after = readAudioFile(input());
    expectSameSamples(after.audio, before.audio);
}

TEST_F(RefusedRender, OutputThatCannotBeWritten)
{
    expectRefused({"render", GAIN_FIXTURE_PATH, input(), folder.file("no/such/folder/out.wav"), "--mix"}, 1,
                  {"cannot write", "no/such/folder/out.wav"});
    expectRefused({"render", GAIN_FIXTURE_PATH, input(), folder.path(), "--mix"}, 1, {"it is a folder"});
}

// Whether the process holds a file in `folder` other than `input`: the render's output.
bool holdsOutputIn(int processId, const ScratchFolder& folder, const std::string& input)
{
    const std::string descriptors = "/proc/" + std::to_string(processId) + "/fd/";
    for (int descriptor = 0; descriptor < 64; ++descriptor) {
        char target[4096];
        const ssize_t length = readlink((descriptors + std::to_string(descriptor)).c_str(), target, sizeof(target));
        const std::string path(target, length > 0 ? static_cast<size_t>(length) : 0);
        if (path.rfind(folder.path() + "/", 0) == 0 && path != input) {
            return true;
        }
    }
    return false;
}

// Ctrl-C, a closed terminal or termination remove the half-written file; so
// does being killed where the file system has unnamed files.
TEST_F(RefusedRender, InterruptionLeavesNothingBehind)
{
    AudioBuffer longer(1, 44100 * 20);
    test::writeAudioFile(folder.file("long.wav"), longer, 44100, kFloatWav);
    inputFiles = {"long.wav", "stereo.wav"};
    const int unnamed = open(folder.path().c_str(), O_TMPFILE | O_WRONLY, 0600);
    const bool killable = unnamed >= 0;
    close(unnamed);
    for (const int signal : {SIGINT, SIGHUP, SIGTERM, SIGKILL}) {
        if (signal == SIGKILL && !killable) {
            continue;
        }
        // The fixture's "Slow" makes every block take milliseconds: the render runs for seconds.
        const int tool = test::startTool({"render", GAIN_FIXTURE_PATH, folder.file("long.wav"), output(), "--set",
                                          "Slow=1", "--block", "64"});
        bool started = false;
        for (int wait = 0; wait < 500 && !started; ++wait) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            started = holdsOutputIn(tool, folder, folder.file("long.wav"));
        }
        EXPECT_TRUE(started) << "the render never opened its output";
        kill(tool, signal);
        EXPECT_EQ(test::waitForTool(tool), signal == SIGKILL ? 128 + SIGKILL : 1) << strsignal(signal);
        EXPECT_EQ(folder.entries(), inputFiles) << strsignal(signal);
    }
}

}  // namespace
}  // namespace fendwick
