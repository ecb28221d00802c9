// The artwork program as the build runs it: the same input gives the same bytes.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

int runArtwork(const std::string& arguments)
{
    const std::string command = std::string("\"") + FENDWICK_ARTWORK_PROGRAM + "\" " + arguments + " 2>/dev/null";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class ArtworkProgram : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        work = fs::path(::testing::TempDir()) /
               ("fendwick_artwork_" + std::string(info->name()) + "_" + std::to_string(getpid()));
        fs::remove_all(work);
        fs::create_directories(work);
    }
    void TearDown() override { fs::remove_all(work); }

    std::string fonts = std::string("--fonts \"") + FENDWICK_FONT_DIR + "\"";
    fs::path work;
};

TEST_F(ArtworkProgram, PaintsTheSameBytesEveryTime)
{
    for (const std::string line : {"ascarell", "tolverin3"}) {
        for (const std::string run : {"a", "b"}) {
            fs::create_directories(work / run);
            ASSERT_EQ(runArtwork(fonts + " --line " + line + " --source \"" + (work / run / "table.cpp").string() +
                                 "\" --png-dir \"" + (work / run).string() + "\""),
                      0);
        }
        int files = 0;
        for (const auto& entry : fs::directory_iterator(work / "a")) {
            const std::string first = readFile(entry.path());
            EXPECT_FALSE(first.empty()) << entry.path();
            EXPECT_EQ(first, readFile(work / "b" / entry.path().filename())) << entry.path().filename();
            ++files;
        }
        EXPECT_GT(files, 5) << line;
        fs::remove_all(work / "a");
        fs::remove_all(work / "b");
    }
}

TEST_F(ArtworkProgram, RefusesUnknownLinesMissingFontsAndMissingOutputs)
{
    const std::string source = " --source \"" + (work / "t.cpp").string() + "\"";
    EXPECT_EQ(runArtwork(fonts + " --line nothing" + source), 1);
    EXPECT_EQ(runArtwork(fonts + " --line ascarell"), 1);
    EXPECT_EQ(runArtwork(fonts + " --line all" + source), 1);
    EXPECT_EQ(runArtwork("--fonts /nonexistent-folder --line ascarell" + source), 2);
    EXPECT_FALSE(fs::exists(work / "t.cpp"));
}

}  // namespace
