// Output files that appear only when complete, and the formats they are written in.
#include "pending_output_file.h"
#include "sound_format.h"
#include "tool_error.h"
#include "usage_error.h"
#include "tool_process.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <csignal>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace fendwick {
namespace {

off_t sizeOf(const std::string& path)
{
    struct stat status {};
    return stat(path.c_str(), &status) == 0 ? status.st_size : -1;
}

TEST(PendingOutputFile, ReplacesTheTargetOnlyOnCommitWithUsualPermissions)
{
    const test::ScratchFolder folder("pending");
    const std::string target = folder.file("result.wav");
    {
        PendingOutputFile first(target);
        ASSERT_EQ(write(first.descriptor(), "old", 3), 3);
        first.commit();
    }
    {
        PendingOutputFile abandoned(target);
        ASSERT_EQ(write(abandoned.descriptor(), "half", 4), 4);
    }
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"result.wav"});
    EXPECT_EQ(sizeOf(target), 3);
    struct stat status {};
    ASSERT_EQ(stat(target.c_str(), &status), 0);
    const mode_t mask = umask(0);
    umask(mask);
    EXPECT_EQ(status.st_mode & 0777, 0666 & ~mask);
}

// Ctrl-C, a closed terminal or termination the moment the file exists: the
// process lives on, commit refuses and the file goes.
TEST(PendingOutputFile, InterruptedRightAfterCreationLeavesNothing)
{
    const test::ScratchFolder folder("pending_interrupted");
    for (const int signal : {SIGINT, SIGHUP, SIGTERM}) {
        {
            PendingOutputFile pending(folder.file("result.wav"));
            ASSERT_EQ(std::raise(signal), 0);
            EXPECT_THROW(pending.commit(), ToolError) << strsignal(signal);
        }
        EXPECT_EQ(folder.entries(), std::vector<std::string>{}) << strsignal(signal);
    }
}

// A temporary name fits the file system's 255 bytes however long the output's name is.
TEST(PendingOutputFile, TemporaryNamesFitBesideAnyName)
{
    const std::string longest(255, 'n');
    const struct {
        std::string finalPath;
        std::string pattern;
    } cases[] = {
        {"out.wav", ".out.wav.fendwick-XXXXXX"},
        {"/takes/a/out.wav", "/takes/a/.out.wav.fendwick-XXXXXX"},
        {"/takes/" + longest, "/takes/." + longest.substr(0, 238) + ".fendwick-XXXXXX"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(temporaryPattern(c.finalPath), c.pattern);
    }
}

TEST(SoundFormat, KeepsTheInputFormatElseTheContainersUsualEncoding)
{
    const int wav16 = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    EXPECT_EQ(chooseOutputFormat(wav16, std::nullopt, std::nullopt, 2, 44100), wav16);
    EXPECT_EQ(chooseOutputFormat(wav16, std::string("flac"), std::nullopt, 2, 44100), SF_FORMAT_FLAC | SF_FORMAT_PCM_16);
    // Float samples do not fit FLAC, nor Vorbis WAV.
    EXPECT_EQ(chooseOutputFormat(SF_FORMAT_WAV | SF_FORMAT_FLOAT, std::string("flac"), std::nullopt, 2, 44100),
              SF_FORMAT_FLAC | SF_FORMAT_PCM_24);
    EXPECT_EQ(chooseOutputFormat(SF_FORMAT_OGG | SF_FORMAT_VORBIS, std::string("wav"), std::nullopt, 1, 48000),
              SF_FORMAT_WAV | SF_FORMAT_PCM_24);
    EXPECT_THROW(chooseOutputFormat(wav16, std::string("mp4"), std::nullopt, 2, 44100), UsageError);
    EXPECT_THROW(chooseOutputFormat(wav16, std::string("aiff"), std::string("vorbis"), 2, 44100), ToolError);
}

}  // namespace
}  // namespace fendwick
