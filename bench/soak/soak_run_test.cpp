// A few seconds of the soak on our plug-ins: finite output, the limiter's ceiling held, and a run that replays.
#include "soak_run.h"

#include <gtest/gtest.h>

namespace fendwick {
namespace {

std::string ourPlugin(const std::string& name)
{
    return std::string(BUILD_PLUGIN_DIR) + "/" + name + ".so";
}

struct SoakCase {
    const char* plugin;
    int channels;
    bool ceilingKnown;
};

const SoakCase kCases[] = {
    {"ascarell_mono", 1, false},
    {"ascarell3", 2, false},
    {"tolverin", 2, true},
    {"tolverin3_mono", 1, true},
};

TEST(Soak, SecondsOfAutomatedAudioStayFiniteUnderTheCeilingAndReplay)
{
    SoakSettings settings;
    // Twelve seconds: several program changes and, most likely, a silence and an overload.
    settings.minutes = 0.2;
    settings.start = 20261208;
    for (const SoakCase& c : kCases) {
        const SoakReport report = runSoak(ourPlugin(c.plugin), settings);
        EXPECT_EQ(report.frames, 12u * 48000u) << c.plugin;
        EXPECT_EQ(report.channels, c.channels) << c.plugin;
        EXPECT_EQ(report.nonFinite, 0u) << c.plugin << " from frame " << report.firstNonFiniteFrame.value_or(0);
        EXPECT_GT(report.peak, 0.0f) << c.plugin;
        EXPECT_GE(report.programChanges, 2u) << c.plugin;
        EXPECT_EQ(report.ceilingKnown, c.ceilingKnown) << c.plugin;
        EXPECT_EQ(report.blocksOverCeiling, 0u) << c.plugin << " by up to " << report.worstOverCeiling;
        EXPECT_EQ(report.limitedBlocks > 0, c.ceilingKnown) << c.plugin;

        const SoakReport again = runSoak(ourPlugin(c.plugin), settings);
        EXPECT_EQ(again.peak, report.peak) << c.plugin << ": the same start plays the same run";
        EXPECT_EQ(again.programChanges, report.programChanges) << c.plugin;
        EXPECT_EQ(again.limitedBlocks, report.limitedBlocks) << c.plugin;
    }
}

}  // namespace
}  // namespace fendwick
