// The three-band libraries as a host sees them: identity, whole names, every
// factory program in units, the crossover coupling read back, and processing
// through the entry.
#include "hosted_fixture.h"
#include "multiband_compressor.h"

#include <cmath>
#include <cstring>
#include <vector>

namespace fendwick {
namespace {

TEST_P(HostedAscarell3, RecordCarriesTheIdentityAndWholeNames)
{
    const EffectRecord& r = plugin->record();
    EXPECT_EQ(r.uniqueId, fourCharCode(stereo() ? "qk23" : "qk24"));
    EXPECT_EQ(r.numParams, 30);
    EXPECT_EQ(r.numPrograms, 14);
    EXPECT_EQ(r.flags, 0x19);  // has editor, can mono, can replace
    EXPECT_EQ(plugin->effectName(), stereo() ? "Ascarell3" : "Ascarell3_mono");
    EXPECT_EQ(plugin->productString(), plugin->effectName());

    // Names longer than the interface's historic eight bytes come whole, and
    // nothing is written past the text's terminator.
    char buffer[32];
    std::memset(buffer, 0x7f, sizeof buffer);
    plugin->dispatch(EffectOpcode::getParameterName, 17, 0, buffer);
    EXPECT_STREQ(buffer, "Mid_Release");
    EXPECT_EQ(buffer[12], 0x7f);
    EXPECT_EQ(plugin->programNameAt(13), "Sweet Pop");
    EXPECT_EQ(plugin->programNameAt(14), std::nullopt);
    EXPECT_EQ(plugin->programNameAt(-1), std::nullopt);
}

TEST_P(HostedAscarell3, EveryProgramReadsInUnits)
{
    // Per program the crossover and one band's threshold, ratio, attack,
    // release and input, the band turning Lo, Mid, Hi from program to program.
    struct Case {
        const char* name;
        const char* cutoffs[2];
        const char* band[5];
    };
    const Case cases[] = {
        {"Default", {"263", "11219"}, {"-0.0", "3.0 : 1", "18", "120", "0.0"}},
        {"Soft", {"263", "11219"}, {"-8.1", "2.0 : 1", "22", "59", "0.0"}},
        {"Basic", {"263", "11219"}, {"-13.1", "6.6 : 1", "5", "18", "0.0"}},
        {"Hard", {"263", "11219"}, {"-12.9", "7.0 : 1", "29", "59", "0.0"}},
        {"Hard 2", {"263", "11219"}, {"-15.1", "8.0 : 1", "17", "44", "0.0"}},
        {"Deep", {"122", "11283"}, {"-33.1", "14.6 : 1", "10", "29", "0.0"}},
        {"Master Soft", {"275", "11219"}, {"-5.0", "1.9 : 1", "53", "67", "0.0"}},
        {"Master Basic", {"263", "11219"}, {"-4.5", "2.8 : 1", "19", "47", "0.0"}},
        {"Master Basic2", {"263", "11219"}, {"-6.2", "3.9 : 1", "5", "16", "-0.1"}},
        {"Master Hard", {"240", "11219"}, {"-4.4", "3.9 : 1", "33", "59", "0.0"}},
        {"Master Hard2", {"241", "11219"}, {"-4.1", "5.1 : 1", "16", "43", "0.0"}},
        {"Master Heavy", {"216", "10079"}, {"-6.0", "15.7 : 1", "3", "18", "-0.5"}},
        {"Master Heavy2", {"216", "9935"}, {"-4.5", "9.3 : 1", "28", "50", "0.0"}},
        {"Sweet Pop", {"908", "9648"}, {"-6.4", "5.5 : 1", "19", "47", "1.1"}},
    };
    const MultibandBand bands[] = {MultibandBand::lo, MultibandBand::mid, MultibandBand::hi};
    const BandParam::Offset shown[] = {BandParam::thresh, BandParam::ratio, BandParam::attack, BandParam::release,
                                       BandParam::in};
    for (int32_t program = 0; program < 14; ++program) {
        const Case& c = cases[program];
        plugin->setProgram(program);
        EXPECT_EQ(plugin->programName(), c.name);
        EXPECT_EQ(plugin->parameterDisplay(Ascarell3Param::loMid), c.cutoffs[0]) << c.name;
        EXPECT_EQ(plugin->parameterDisplay(Ascarell3Param::midHi), c.cutoffs[1]) << c.name;
        for (size_t k = 0; k < std::size(shown); ++k) {
            const int32_t index = bandParameter(bands[program % 3], shown[k]);
            EXPECT_EQ(plugin->parameterDisplay(index), c.band[k]) << c.name << " " << plugin->parameterName(index);
        }
    }
}

TEST_P(HostedAscarell3, TheHostReadsTheCrossoverPointThatWasPushed)
{
    plugin->setParameter(Ascarell3Param::loMid, 0.9f);
    EXPECT_EQ(plugin->getParameter(Ascarell3Param::midHi), 0.9f);
    EXPECT_EQ(plugin->parameterDisplay(Ascarell3Param::midHi), "14451");
    // The program keeps what was set for each point, not where it was pushed.
    plugin->setParameter(Ascarell3Param::midHi, 0.95f);
    plugin->setProgram(1);
    plugin->setProgram(0);
    EXPECT_EQ(plugin->getParameter(Ascarell3Param::loMid), 0.9f);
    EXPECT_EQ(plugin->getParameter(Ascarell3Param::midHi), 0.95f);
    plugin->setParameter(Ascarell3Param::midHi, 0.2f);
    EXPECT_EQ(plugin->getParameter(Ascarell3Param::loMid), 0.2f);
    EXPECT_EQ(plugin->parameterDisplay(Ascarell3Param::loMid), "85");
}

TEST_P(HostedAscarell3, ProcessingThroughTheEntryMatchesTheCompressor)
{
    const size_t frames = 12000;
    const int32_t program = 11;
    MultibandCompressor reference(nullptr, stereo() ? MultibandChannels::stereo : MultibandChannels::mono);
    reference.setSampleRate(48000.0f);
    reference.setProgram(program);
    reference.resume();
    plugin->prepare(48000.0f, 512);
    plugin->setProgram(program);

    std::vector<std::vector<float>> in(static_cast<size_t>(channels()), std::vector<float>(frames));
    auto expected = in;
    auto out = in;
    std::vector<float*> ins, expectedOuts, outs;
    for (size_t c = 0; c < in.size(); ++c) {
        for (size_t i = 0; i < frames; ++i) {
            const double t = static_cast<double>(i) / 48000.0;
            in[c][i] = static_cast<float>(0.9 * std::sin(6.2831853 * 2.0 * t) *
                                          (std::sin(6.2831853 * 90.0 * t) + std::sin(6.2831853 * (3000.0 + 700.0 * c) * t)));
        }
        ins.push_back(in[c].data());
        expectedOuts.push_back(expected[c].data());
        outs.push_back(out[c].data());
    }
    reference.processReplace(ins.data(), expectedOuts.data(), static_cast<int32_t>(frames));
    plugin->processReplacing(ins.data(), outs.data(), static_cast<int32_t>(frames));
    EXPECT_EQ(out, expected);
    EXPECT_NE(out, in) << "the program compresses";
}

INSTANTIATE_TEST_SUITE_P(BothBuilds, HostedAscarell3, ::testing::Values("ascarell3", "ascarell3_mono"));

}  // namespace
}  // namespace fendwick
