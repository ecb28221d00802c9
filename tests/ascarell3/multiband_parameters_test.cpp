// The three-band plug-ins' names, texts, programs, crossover coupling and
// bounds, as a host reads them.
#include "ascarell3_parameters.h"
#include "multiband_compressor.h"

#include <gtest/gtest.h>

#include <string>

namespace fendwick {
namespace {

std::string ask(MultibandCompressor& effect, int32_t opcode, int32_t index)
{
    char text[64] = "untouched";
    effect.dispatch(opcode, index, 0, text, 0.0f);
    return text;
}

TEST(MultibandParameters, NamesLabelsAndDisplaysReadInUnits)
{
    struct Case {
        int32_t index;
        float x;
        const char* name;
        const char* label;
        const char* display;
    };
    const Case cases[] = {
        {Ascarell3Param::loMid, 0.314189f, "Lo-Mid", "Hz", "263"},
        {Ascarell3Param::midHi, 0.844594f, "Mid-Hi", "Hz", "11219"},
        {Ascarell3Param::hiKnee, 0.1f, "Hi Knee", "", "10 %"},
        {Ascarell3Param::midKnee, 1.0f, "Mid Knee", "", "Soft"},
        {Ascarell3Param::loKnee, 0.0f, "Lo Knee", "", "Hard"},
        {Ascarell3Param::outLevel, 0.0f, "OutLevel", "dB", "-oo"},
        {Ascarell3Param::hiThresh, 0.5f, "Hi_Thresh", "dB", "-6.0"},
        {Ascarell3Param::hiRatio, 1.0f, "Hi_Ratio", "", "oo : 1"},
        {Ascarell3Param::hiAttack, 0.185905f, "Hi_Attack", "ms", "18"},
        {Ascarell3Param::hiRelease, 0.484014f, "Hi_Release", "ms", "120"},
        {Ascarell3Param::hiArc, 0.2f, "Hi_ARC", "", "Off"},
        {Ascarell3Param::hiIn, 0.530111f, "Hi_In", "dB", "0.5"},
        {Ascarell3Param::hiPower, 0.7f, "Hi_PW", "", "On"},
        {Ascarell3Param::hiComp, 0.3f, "Hi_Comp", "", "Off"},
        {Ascarell3Param::midThresh, 0.0f, "Mid_Thresh", "dB", "-50.0"},
        {Ascarell3Param::midRatio, 0.5f, "Mid_Ratio", "", "2.0 : 1"},
        {Ascarell3Param::midRelease, 1.0f, "Mid_Release", "ms", "500"},
        {Ascarell3Param::loAttack, 1.0f, "Lo_Attack", "ms", "500"},
        {Ascarell3Param::loIn, 0.5f, "Lo_In", "dB", "0.0"},
        {Ascarell3Param::loComp, 1.0f, "Lo_Comp", "", "On"},
    };
    MultibandCompressor effect(nullptr, MultibandChannels::stereo);
    for (const Case& c : cases) {
        effect.setParameter(c.index, c.x);
        EXPECT_EQ(ask(effect, EffectOpcode::getParameterName, c.index), c.name) << c.index;
        EXPECT_EQ(ask(effect, EffectOpcode::getParameterLabel, c.index), c.label) << c.index;
        EXPECT_EQ(ask(effect, EffectOpcode::getParameterDisplay, c.index), c.display) << c.index;
    }
    EXPECT_EQ(effect.getParameter(Ascarell3Param::hiComp), 0.0f);
    EXPECT_EQ(effect.getParameter(Ascarell3Param::hiPower), 1.0f);
}

TEST(MultibandParameters, EveryProgramAppliesAndReadsBackInUnits)
{
    struct Case {
        int32_t program;
        const char* name;
        int32_t index;
        const char* display;
    };
    const Case cases[] = {
        {0, "Default", Ascarell3Param::loRatio, "3.0 : 1"},
        {1, "Soft", Ascarell3Param::loThresh, "-8.8"},
        {2, "Basic", Ascarell3Param::midRatio, "4.4 : 1"},
        {3, "Hard", Ascarell3Param::hiKnee, "Hard"},
        {4, "Hard 2", Ascarell3Param::hiThresh, "-26.2"},
        {5, "Deep", Ascarell3Param::loMid, "122"},
        {6, "Master Soft", Ascarell3Param::loMid, "275"},
        {7, "Master Basic", Ascarell3Param::hiIn, "-0.1"},
        {8, "Master Basic2", Ascarell3Param::hiRelease, "16"},
        {9, "Master Hard", Ascarell3Param::loAttack, "33"},
        {10, "Master Hard2", Ascarell3Param::midRatio, "5.1 : 1"},
        {11, "Master Heavy", Ascarell3Param::hiRatio, "15.7 : 1"},
        {12, "Master Heavy2", Ascarell3Param::midHi, "9935"},
        {13, "Sweet Pop", Ascarell3Param::loRelease, "128"},
    };
    MultibandCompressor effect(nullptr, MultibandChannels::mono);
    for (const Case& c : cases) {
        effect.setProgram(c.program);
        EXPECT_EQ(ask(effect, EffectOpcode::getProgramName, 0), c.name);
        EXPECT_EQ(ask(effect, EffectOpcode::getParameterDisplay, c.index), c.display) << c.program;
        for (MultibandBand band : {MultibandBand::hi, MultibandBand::mid, MultibandBand::lo}) {
            for (BandParam::Offset on : {BandParam::arc, BandParam::power, BandParam::comp}) {
                EXPECT_EQ(effect.getParameter(bandParameter(band, on)), 1.0f) << c.program;
            }
        }
    }
    effect.setProgram(5);
    EXPECT_EQ(effect.getParameter(Ascarell3Param::loMid), 0.239459f);
    EXPECT_EQ(effect.getParameter(Ascarell3Param::midHi), 0.845802f);
}

TEST(MultibandParameters, MovingOneCrossoverPointPushesTheOtherButNotItsProgramSlot)
{
    MultibandCompressor effect(nullptr, MultibandChannels::stereo);
    effect.setParameter(Ascarell3Param::midHi, 0.2f);
    EXPECT_EQ(effect.getParameter(Ascarell3Param::loMid), 0.2f);
    effect.setParameter(Ascarell3Param::midHi, 0.844594f);
    EXPECT_EQ(effect.getParameter(Ascarell3Param::loMid), 0.2f);
    effect.setProgram(1);
    effect.setProgram(0);
    EXPECT_EQ(effect.getParameter(Ascarell3Param::loMid), 0.314189f);

    effect.setParameter(Ascarell3Param::loMid, 0.9f);
    EXPECT_EQ(effect.getParameter(Ascarell3Param::midHi), 0.9f);
    EXPECT_EQ(ask(effect, EffectOpcode::getParameterDisplay, Ascarell3Param::midHi), "14451");
}

TEST(MultibandParameters, IndexesOutsideTheTablesAreRefused)
{
    MultibandCompressor effect(nullptr, MultibandChannels::mono);
    EXPECT_EQ(ask(effect, EffectOpcode::getProgramNameIndexed, 13), "Sweet Pop");
    EXPECT_EQ(ask(effect, EffectOpcode::getProgramNameIndexed, 14), "untouched");
    char text[64] = {};
    EXPECT_EQ(effect.dispatch(EffectOpcode::getProgramNameIndexed, 14, 0, text, 0.0f), 0);
    EXPECT_EQ(ask(effect, EffectOpcode::getParameterName, 30), "untouched");
    effect.setParameter(30, 0.7f);
    EXPECT_EQ(effect.getParameter(30), 0.0f);
    effect.setProgram(-1);
    EXPECT_EQ(effect.getProgram(), 0);
}

TEST(MultibandParameters, RatioEndsGiveExactSlopes)
{
    for (float threshold : {0.0031591146f, 0.1f, 0.4995f, 0.999f}) {
        EXPECT_EQ(ratioSlope(threshold, 0.0f), 1.0f) << threshold;
        EXPECT_EQ(ratioSlope(threshold, 1.0f), 0.0f) << threshold;
    }
}

}  // namespace
}  // namespace fendwick
