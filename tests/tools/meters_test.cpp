// `fendwick meters` run as a subprocess: every meter of the build at the
// frames it publishes, the same rows as text and as CSV, and plug-ins
// without meters refused.
#include "demo_signal.h"
#include "test_audio_files.h"
#include "tool_process.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>
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

// The rows after `headerLines` lines, their cells split at white space or commas.
std::vector<Row> rowsOf(std::string out, int headerLines)
{
    std::replace(out.begin(), out.end(), ',', ' ');
    std::istringstream lines(out);
    std::string line;
    std::vector<Row> rows;
    for (int i = 0; i < headerLines; ++i) {
        std::getline(lines, line);
    }
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
    // Long enough for the compressor gain meter to publish on the last frame.
    constexpr long long kFrames = 22052;
    const std::string input = folder.file("drums.wav");
    test::writeAudioFile(input, makeDemoSignal(44100.0, kFrames / 44100.0), 44100, SF_FORMAT_WAV | SF_FORMAT_FLOAT);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.plugin);
        const ToolRun csv = runTool({"meters", c.plugin, input, "--program", "Dump", "--csv"});
        ASSERT_EQ(csv.exitCode, 0) << csv.err;
        EXPECT_EQ(csv.out.rfind("frame,meter,value\n", 0), 0u) << csv.out;
        const std::vector<Row> rows = rowsOf(csv.out, 1);

        // Each meter publishes one interval (4410 frames) after the start at
        // the latest, then every 4411 frames to the end of the file; the
        // compressor gain meter starts 3 frames into its first interval.
        std::map<int, std::vector<long long>> framesOf;
        double smallestCompressorGain = 1.0;
        for (const Row& row : rows) {
            framesOf[row.meter].push_back(row.frame);
            EXPECT_TRUE(row.value >= 0.0 && row.value <= 1.0) << row.meter << " at " << row.frame;
            smallestCompressorGain = row.meter == c.firstMeter ? std::min(smallestCompressorGain, row.value)
                                                               : smallestCompressorGain;
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
            EXPECT_LT(frames.back(), kFrames) << meter;
            EXPECT_GE(frames.back() + 4411, kFrames) << meter << " stopped early";
        }
        EXPECT_EQ(framesOf[c.firstMeter], (std::vector<long long>{4407, 8818, 13229, 17640, 22051}));
        EXPECT_LT(smallestCompressorGain, 0.9) << "Dump compresses the drums";

        const ToolRun text = runTool({"meters", c.plugin, input, "--program", "Dump"});
        ASSERT_EQ(text.exitCode, 0) << text.err;
        EXPECT_NE(text.out.find("program 15 \"Dump\""), std::string::npos) << text.out;
        const std::vector<Row> shown = rowsOf(text.out, 2);
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
    const std::pair<std::string, const char*> cases[] = {{"ascarell", "ascarell has no meters"},
                                                         {"/usr/lib/vst/nothing.so", "tolverin, tolverin_mono"}};
    for (const auto& [plugin, phrase] : cases) {
        const ToolRun run = runTool({"meters", plugin, input});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_NE(run.err.find(phrase), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
    }
}

}  // namespace
}  // namespace fendwick
