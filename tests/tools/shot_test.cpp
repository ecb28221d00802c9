// `fendwick shot` run as a subprocess: the PNG it writes shows the editor
// the host would see, with the meters where an input file left them, and
// bad requests leave no file.
#include "demo_signal.h"
#include "test_audio_files.h"
#include "tool_process.h"

#include <gtest/gtest.h>
#include <png.h>
#include <sndfile.h>

#include <cstdio>
#include <vector>

namespace fendwick {
namespace {

using test::runTool;
using test::ScratchFolder;
using test::ToolRun;

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<png_byte> rgb;

    std::vector<png_byte> pixel(int x, int y) const
    {
        const size_t at = (static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)) * 3;
        return {rgb[at], rgb[at + 1], rgb[at + 2]};
    }
};

Picture readPng(const std::string& path)
{
    Picture picture;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_file(&image, path.c_str()) == 0) {
        return picture;
    }
    image.format = PNG_FORMAT_RGB;
    picture.rgb.resize(PNG_IMAGE_SIZE(image));
    if (png_image_finish_read(&image, nullptr, picture.rgb.data(), 0, nullptr) != 0) {
        picture.width = static_cast<int>(image.width);
        picture.height = static_cast<int>(image.height);
    }
    return picture;
}

TEST(ShotCommand, WritesTheEditorAtItsSizeWithTheChosenSettings)
{
    const ScratchFolder folder("shot");
    const ToolRun first = runTool({"shot", "ascarell", folder.file("default.png")});
    ASSERT_EQ(first.exitCode, 0) << first.err;
    EXPECT_NE(first.out.find("545 x 139"), std::string::npos) << first.out;
    const ToolRun second =
        runTool({"shot", "ascarell_mono", folder.file("set.png"), "--program", "Dump", "--set", "OutLevel=1"});
    ASSERT_EQ(second.exitCode, 0) << second.err;
    EXPECT_NE(second.out.find("program 6 \"Dump\""), std::string::npos) << second.out;

    const Picture plain = readPng(folder.file("default.png"));
    const Picture changed = readPng(folder.file("set.png"));
    ASSERT_EQ(plain.width, 545);
    ASSERT_EQ(plain.height, 139);
    ASSERT_EQ(changed.width, 545);
    // The labels and frame are the same; the Master Out knob (447, 25, 51 x 51) differs.
    EXPECT_EQ(plain.pixel(2, 2), changed.pixel(2, 2));
    int knobDifferences = 0;
    for (int y = 25; y < 76; ++y) {
        for (int x = 447; x < 498; ++x) {
            knobDifferences += plain.pixel(x, y) != changed.pixel(x, y) ? 1 : 0;
        }
    }
    EXPECT_GT(knobDifferences, 50);
}

TEST(ShotCommand, AnInputLeavesTheMetersShowingWhereTheFileEnded)
{
    const ScratchFolder folder("shot-input");
    const std::string input = folder.file("drums.wav");
    test::writeAudioFile(input, makeDemoSignal(44100.0, 0.5), 44100, SF_FORMAT_WAV | SF_FORMAT_FLOAT);
    const ToolRun resting = runTool({"shot", "tolverin", folder.file("resting.png"), "--program", "Dump"});
    ASSERT_EQ(resting.exitCode, 0) << resting.err;
    const ToolRun fed =
        runTool({"shot", "tolverin", folder.file("fed.png"), "--program", "Dump", "--input", input});
    ASSERT_EQ(fed.exitCode, 0) << fed.err;
    EXPECT_NE(fed.out.find("after 22050 frames"), std::string::npos) << fed.out;

    const Picture before = readPng(folder.file("resting.png"));
    const Picture after = readPng(folder.file("fed.png"));
    ASSERT_EQ(after.width, before.width);
    ASSERT_EQ(after.height, before.height);
    EXPECT_NE(after.rgb, before.rgb);
    // The compressed level meter (388, 24, 13 x 82) fills its bar in (0, 166, 166).
    const std::vector<png_byte> barFill = {0, 166, 166};
    int barBefore = 0;
    int barAfter = 0;
    for (int y = 24; y < 106; ++y) {
        for (int x = 388; x < 401; ++x) {
            barBefore += before.pixel(x, y) == barFill ? 1 : 0;
            barAfter += after.pixel(x, y) == barFill ? 1 : 0;
        }
    }
    EXPECT_EQ(barBefore, 0);
    EXPECT_GT(barAfter, 11 * 20) << "a bar at least 20 rows tall";

    const ToolRun part = runTool(
        {"shot", "tolverin", folder.file("part.png"), "--program", "Dump", "--input", input, "--until", "0.1"});
    ASSERT_EQ(part.exitCode, 0) << part.err;
    EXPECT_NE(part.out.find("after 4410 frames"), std::string::npos) << part.out;
}

TEST(ShotCommand, RefusesUnknownPluginsAndProgramsWithoutWritingAFile)
{
    const ScratchFolder folder("shot-errors");
    const ToolRun stranger = runTool({"shot", "/usr/lib/vst/nothing.so", folder.file("a.png")});
    EXPECT_EQ(stranger.exitCode, 1);
    EXPECT_NE(stranger.err.find("ascarell, ascarell_mono"), std::string::npos) << stranger.err;
    const ToolRun program = runTool({"shot", "ascarell", folder.file("b.png"), "--program", "Nope"});
    EXPECT_EQ(program.exitCode, 1);
    EXPECT_NE(program.err.find("Vocal Enhance"), std::string::npos) << program.err;
    const ToolRun value = runTool({"shot", "ascarell", folder.file("c.png"), "--set", "Ratio=2"});
    EXPECT_EQ(value.exitCode, 1);
    const ToolRun input = runTool({"shot", "tolverin", folder.file("d.png"), "--input", folder.file("none.wav")});
    EXPECT_EQ(input.exitCode, 1);
    const ToolRun usage = runTool({"shot", "ascarell"});
    EXPECT_EQ(usage.exitCode, 2);
    const ToolRun untilAlone = runTool({"shot", "tolverin", folder.file("e.png"), "--until", "1"});
    EXPECT_EQ(untilAlone.exitCode, 2);
    EXPECT_TRUE(folder.entries().empty());
}

}  // namespace
}  // namespace fendwick
