// Where and how `fendwick render` writes: every kind of OUT, the format OUT's name asks for, and cut-off input.
#include "benchmark_signal.h"
#include "test_audio_files.h"
#include "test_plugins.h"
#include "tool_process.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <fstream>
#include <functional>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace fendwick {
namespace {

using test::contentsOf;
using test::runTool;
using test::ScratchFolder;
using test::ToolRun;

constexpr int kFloatWav = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
constexpr size_t kFrames = 4410;

class RenderOutput : public testing::Test {
protected:
    void SetUp() override
    {
        test::writeAudioFile(folder.file("in.wav"), makeBenchmarkSignal(44100.0, 0.1, 1), 44100, kFloatWav);
    }

    ToolRun render(const std::string& out, const std::vector<std::string>& options = {})
    {
        std::vector<std::string> arguments = {"render", GAIN_FIXTURE_PATH, folder.file("in.wav"), out};
        arguments.insert(arguments.end(), options.begin(), options.end());
        return runTool(arguments);
    }

    ScratchFolder folder{"render_output"};
};

// Each kind of OUT: how to make it, what the node named OUT is afterwards,
// and where the WAV then is.
TEST_F(RenderOutput, WritesThroughLinksAndIntoStreams)
{
    const std::string longName = folder.file(std::string(246, 'n') + ".wav");
    std::string drained;
    std::thread reader;
    const struct {
        const char* kind;
        std::function<std::string()> makeOut;
        mode_t nodeType;
        std::string written;
    } cases[] = {
        {"link to a file",
         [&] {
             std::ofstream(folder.file("old.wav")) << "old";
             symlink("old.wav", folder.file("link.wav").c_str());
             return folder.file("link.wav");
         },
         S_IFLNK, folder.file("old.wav")},
        {"link to nothing yet",
         [&] {
             symlink("fresh.wav", folder.file("dangling.wav").c_str());
             return folder.file("dangling.wav");
         },
         S_IFLNK, folder.file("fresh.wav")},
        {"FIFO",
         [&] {
             mkfifo(folder.file("pipe").c_str(), 0600);
             reader = std::thread([&] { drained = contentsOf(folder.file("pipe")); });
             return folder.file("pipe");
         },
         S_IFIFO, folder.file("drained.wav")},
        {"name of 250 bytes", [&] { return longName; }, S_IFREG, longName},
        {"standard output", [] { return std::string("-"); }, 0, folder.file("stdout.wav")},
    };
    for (const auto& c : cases) {
        const std::string out = c.makeOut();
        const ToolRun run = render(out);
        if (reader.joinable()) {
            reader.join();
            std::ofstream(folder.file("drained.wav"), std::ios::binary) << drained;
        }
        if (out == "-") {
            EXPECT_EQ(run.err.rfind("rendered", 0), 0u) << "the summary goes to standard error: " << run.err;
            std::ofstream(folder.file("stdout.wav"), std::ios::binary) << run.out;
        }
        ASSERT_EQ(run.exitCode, 0) << c.kind << ": " << run.err;
        struct stat status {};
        EXPECT_EQ(lstat(out.c_str(), &status) == 0 ? status.st_mode & S_IFMT : 0, c.nodeType) << c.kind;
        const test::AudioFile written = test::readAudioFile(c.written);
        EXPECT_EQ(written.format, kFloatWav) << c.kind;
        EXPECT_EQ(written.audio.frames(), kFrames) << c.kind;
    }
}

TEST_F(RenderOutput, FormatFromTheExtensionUnlessToldOtherwise)
{
    const struct {
        const char* out;
        std::vector<std::string> options;
        int format;
    } cases[] = {
        // Float samples do not fit FLAC.
        {"out.flac", {}, SF_FORMAT_FLAC | SF_FORMAT_PCM_24},
        {"out.AIFF", {}, SF_FORMAT_AIFF | SF_FORMAT_FLOAT},
        {"out.take", {}, kFloatWav},
        {"really-wav.flac", {"--format", "wav"}, kFloatWav},
        {"out.rf64", {"--encoding", "pcm16"}, SF_FORMAT_RF64 | SF_FORMAT_PCM_16},
    };
    for (const auto& c : cases) {
        const ToolRun run = render(folder.file(c.out), c.options);
        ASSERT_EQ(run.exitCode, 0) << c.out << ": " << run.err;
        EXPECT_EQ(test::readAudioFile(folder.file(c.out)).format, c.format) << c.out;
    }
}

TEST_F(RenderOutput, CutOffInputRendersWhatIsThereWithAWarning)
{
    // Float mono takes 4 bytes a frame: cut so that 1000 frames remain after the header.
    struct stat status {};
    ASSERT_EQ(stat(folder.file("in.wav").c_str(), &status), 0);
    const off_t header = status.st_size - static_cast<off_t>(4 * kFrames);
    ASSERT_EQ(truncate(folder.file("in.wav").c_str(), header + 4000), 0);
    const ToolRun run = runTool({"render", GAIN_FIXTURE_PATH, folder.file("in.wav"), folder.file("out.wav")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.err.find("warning: " + folder.file("in.wav") + " ends early"), std::string::npos) << run.err;
    EXPECT_EQ(test::readAudioFile(folder.file("out.wav")).audio.frames(), 1000u);
}

}  // namespace
}  // namespace fendwick
