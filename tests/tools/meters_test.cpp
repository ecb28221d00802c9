// `fendwick meters` run as a subprocess: every meter of the build at the
// frames it publishes, the same rows as text and as CSV, and plug-ins
// without meters refused.
#include "demo_signal.h"
#include "test_audio_files.h"
#include "tool_process.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <cmath>
#include <map>
#include <sstream>
#include <vector>

namespace fendwick {
namespace {

using test::runTool;
using test::ScratchFolder;
using test::ToolRun;

struct Row {
    long long frame = 0;
    int meter = 0;
    double value = 0.0;
    double db = 0.0;  // text output only
};

std::vector<Row> csvRows(const std::string& out)
{
    std::istringstream lines(out);
    std::string line;
    std::getline(lines, line);  // the header
    std::vector<Row> rows;
    while (std::getline(lines, line)) {
        Row row;
        char comma1 = 0;
        char comma2 = 0;
        std::istringstream(line) >> row.frame >> comma1 >> row.meter >> comma2 >> row.value;
        rows.push_back(row);
    }
    return rows;
}

std::vector<Row> textRows(const std::string& out)
{
    std::istringstream lines(out);
    std::string line;
    std::getline(lines, line);  // what ran
    std::getline(lines, line);  // the column heads
    std::vector<Row> rows;
    while (std::getline(lines, line)) {
        Row row;
        std::istringstream(line) >> row.frame >> row.meter >> row.value >> row.db;
        rows.push_back(row);
    }
    return rows;
}

TEST(MetersCommand, PrintsEveryMeterOfTheBuildAtEachPublicationAsTextAndCsv)
{
    struct Case {
        const char* plugin;
        int firstMeter;
        int meterCount;
    };
    const Case cases[] = {{"tolverin", 15, 6}, {"tolverin_mono", 12, 4}};
    const ScratchFolder folder("meters");
    constexpr long long kFrames = 22050;
    const std::string input = folder.file("drums.wav");
    test::writeAudioFile(input, makeDemoSignal(44100.0, 0.5), 44100, SF_FORMAT_WAV | SF_FORMAT_FLOAT);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.plugin);
        const ToolRun csv = runTool({"meters", c.plugin, input, "--program", "Dump", "--csv"});
        ASSERT_EQ(csv.exitCode, 0) << csv.err;
        EXPECT_EQ(csv.out.rfind("frame,meter,value\n", 0), 0u) << csv.out;
        const std::vector<Row> rows = csvRows(csv.out);

        // Each meter publishes one interval (4410 frames) after the start at
        // the latest, then every 4411 frames to the end of the file.
        std::map<int, std::vector<long long>> framesOf;
        double smallestGain = 1.0;
        double largestLevel = 0.0;
        for (const Row& row : rows) {
            framesOf[row.meter].push_back(row.frame);
            EXPECT_TRUE(row.value >= 0.0 && row.value <= 1.0) << row.meter << " at " << row.frame;
            if (row.meter == c.firstMeter) {
                smallestGain = std::min(smallestGain, row.value);
            } else if (row.meter == c.firstMeter + 1) {
                largestLevel = std::max(largestLevel, row.value);
            }
        }
        ASSERT_EQ(framesOf.size(), static_cast<size_t>(c.meterCount));
        EXPECT_EQ(framesOf.begin()->first, c.firstMeter);
        EXPECT_EQ(framesOf.rbegin()->first, c.firstMeter + c.meterCount - 1);
        for (const auto& [meter, frames] : framesOf) {
            EXPECT_GT(frames.front(), 0) << meter;
            EXPECT_LE(frames.front(), 4410) << meter;
            for (size_t i = 1; i < frames.size(); ++i) {
                EXPECT_EQ(frames[i] - frames[i - 1], 4411) << meter;
            }
            EXPECT_GE(frames.back() + 4411, kFrames) << meter << " stopped early";
        }
        EXPECT_LT(smallestGain, 0.9) << "Dump compresses the drums";
        EXPECT_GT(largestLevel, 0.1);

        const ToolRun text = runTool({"meters", c.plugin, input, "--program", "Dump"});
        ASSERT_EQ(text.exitCode, 0) << text.err;
        EXPECT_NE(text.out.find("program 15 \"Dump\""), std::string::npos) << text.out;
        const std::vector<Row> shown = textRows(text.out);
        ASSERT_EQ(shown.size(), rows.size());
        for (size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(shown[i].frame, rows[i].frame);
            EXPECT_EQ(shown[i].meter, rows[i].meter);
            EXPECT_NEAR(shown[i].value, rows[i].value, 5e-7);
            EXPECT_NEAR(shown[i].db, 20.0 * std::log10(rows[i].value), 0.005 + 1e-9) << shown[i].frame;
        }
    }
}

TEST(MetersCommand, RefusesPluginsWithoutMetersAndThoseNotOfOurs)
{
    const ScratchFolder folder("meters-refused");
    const std::string input = folder.file("drums.wav");
    test::writeAudioFile(input, makeDemoSignal(44100.0, 0.1), 44100, SF_FORMAT_WAV | SF_FORMAT_FLOAT);
    const ToolRun clean = runTool({"meters", "ascarell", input});
    EXPECT_EQ(clean.exitCode, 1);
    EXPECT_NE(clean.err.find("ascarell has no meters"), std::string::npos) << clean.err;
    EXPECT_EQ(clean.out, "");
    const ToolRun stranger = runTool({"meters", "/usr/lib/vst/nothing.so", input});
    EXPECT_EQ(stranger.exitCode, 1);
    EXPECT_NE(stranger.err.find("tolverin, tolverin_mono"), std::string::npos) << stranger.err;
    const ToolRun missing = runTool({"meters", "tolverin", folder.file("none.wav")});
    EXPECT_EQ(missing.exitCode, 1);
}

}  // namespace
}  // namespace fendwick
