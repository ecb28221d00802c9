// Where and how `fendwick render` writes: every kind of OUT, the format OUT's name asks for, and cut-off input.
#include "benchmark_signal.h"
#include "test_audio_files.h"
#include "test_plugins.h"
#include "tool_process.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <fstream>
#include <functional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
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

bool isSymbolicLink(const std::string& path)
{
    struct stat status {};
    return lstat(path.c_str(), &status) == 0 && S_ISLNK(status.st_mode);
}

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

// Each kind of OUT: how to make it, and where the WAV then is (empty when refused).
TEST_F(RenderOutput, WritesThroughLinksIntoStreamsAndRefusesOtherNodes)
{
    const struct {
        const char* kind;
        std::function<std::string()> makeOut;
        std::function<std::string(const ToolRun&)> written;
        const char* refusal;
    } cases[] = {
        {"symbolic link to a file",
         [&] {
             std::ofstream(folder.file("target.wav")) << "old";
             symlink("target.wav", folder.file("link.wav").c_str());
             return folder.file("link.wav");
         },
         [&](const ToolRun&) {
             EXPECT_TRUE(isSymbolicLink(folder.file("link.wav")));
             return folder.file("target.wav");
         },
         nullptr},
        {"link to nothing yet",
         [&] {
             symlink("fresh.wav", folder.file("dangling.wav").c_str());
             return folder.file("dangling.wav");
         },
         [&](const ToolRun&) {
             EXPECT_TRUE(isSymbolicLink(folder.file("dangling.wav")));
             return folder.file("fresh.wav");
         },
         nullptr},
        {"standard output", [] { return std::string("-"); },
         [&](const ToolRun& run) {
             EXPECT_NE(run.err.find("rendered"), std::string::npos) << "the summary goes to standard error";
             std::ofstream(folder.file("stdout.wav"), std::ios::binary) << run.out;
             return folder.file("stdout.wav");
         },
         nullptr},
        {"name of 250 bytes", [&] { return folder.file(std::string(246, 'n') + ".wav"); },
         [&](const ToolRun&) { return folder.file(std::string(246, 'n') + ".wav"); }, nullptr},
        {"socket",
         [&] {
             const int server = socket(AF_UNIX, SOCK_STREAM, 0);
             sockaddr_un address{};
             address.sun_family = AF_UNIX;
             folder.file("socket").copy(address.sun_path, sizeof(address.sun_path) - 1);
             bind(server, reinterpret_cast<const sockaddr*>(&address), sizeof(address));
             close(server);
             return folder.file("socket");
         },
         nullptr, "it is a socket"},
    };
    for (const auto& c : cases) {
        const ToolRun run = render(c.makeOut());
        if (c.refusal != nullptr) {
            EXPECT_EQ(run.exitCode, 1) << c.kind;
            EXPECT_NE(run.err.find(c.refusal), std::string::npos) << c.kind << ": " << run.err;
            continue;
        }
        ASSERT_EQ(run.exitCode, 0) << c.kind << ": " << run.err;
        const test::AudioFile written = test::readAudioFile(c.written(run));
        EXPECT_EQ(written.format, kFloatWav) << c.kind;
        EXPECT_EQ(written.audio.frames(), kFrames) << c.kind;
    }
    struct stat status {};
    ASSERT_EQ(lstat(folder.file("socket").c_str(), &status), 0);
    EXPECT_TRUE(S_ISSOCK(status.st_mode)) << "a refused node stays as it was";
}

// The render opens the FIFO as a writer and streams into it while a reader drains it.
TEST_F(RenderOutput, StreamsIntoAFifoAndLeavesIt)
{
    ASSERT_EQ(mkfifo(folder.file("pipe").c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] { received = contentsOf(folder.file("pipe")); });
    const ToolRun run = render(folder.file("pipe"));
    reader.join();
    ASSERT_EQ(run.exitCode, 0) << run.err;
    struct stat status {};
    ASSERT_EQ(lstat(folder.file("pipe").c_str(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
    std::ofstream(folder.file("received.wav"), std::ios::binary) << received;
    EXPECT_EQ(test::readAudioFile(folder.file("received.wav")).audio.frames(), kFrames);
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
