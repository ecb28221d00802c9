// The three-band character compressor's parameter mapping: where each
// parameter lands among the band settings and the chain's blocks.
#include "multiband_character_parameters.h"
#include "tolverin3_tables.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>

namespace fendwick {
namespace {

namespace P = Tolverin3Param;

struct Landing {
    int32_t index;
    float x;
    std::function<float(const MultibandCharacterParameters&, MultibandCharacterState&)> read;
    float expected;
};

// Every parameter at its value in the first factory program, as the effect starts.
void applyFirstProgram(MultibandCharacterParameters& parameters, MultibandCharacterState& state)
{
    for (int32_t slot = 0; slot < P::count; ++slot) {
        parameters.apply(kTolverin3ParameterInSlot[slot], kTolverin3FactoryPrograms[0].value[slot], state);
    }
}

TEST(MultibandCharacterParameters, EachParameterLandsOnItsOwnSettingAsItsUnitsSay)
{
    using Ps = const MultibandCharacterParameters&;
    using S = MultibandCharacterState&;
    const Landing rows[] = {
        {P::hiThresh, 0.001f, [](Ps p, S) { return p.band(0).threshold; }, 0.0031591146f},
        {P::midRatio, 0.0f, [](Ps p, S) { return p.band(1).slope; }, 1.0f},
        {P::loRatio, 1.0f, [](Ps p, S) { return p.band(2).slope; }, 0.0f},
        {P::loIn, 0.25f, [](Ps p, S) { return p.band(2).inputGain; }, 0.5f},
        {P::hiPower, 0.4f, [](Ps p, S) { return p.band(0).power; }, 0.0f},
        {P::midComp, 0.6f, [](Ps p, S) { return p.band(1).compression; }, 1.0f},
        {P::loType, 0.3f, [](Ps p, S) { return p.band(2).type; }, 0.3f},
        {P::midType, 0.8f, [](Ps p, S) { return p.band(1).type; }, 0.8f},
        {P::loCut, 0.7f, [](Ps, S s) { return s.loCut.switchSetting(); }, 0.7f},
        {P::sonicFilter, 0.4f, [](Ps, S s) { return s.sonicFilter.curveSetting(); }, 0.4f},
        {P::sonicFilterAmount, 0.9f, [](Ps, S s) { return s.sonicFilter.curveSetSetting(); }, 0.9f},
        {P::outLevel, 0.3f, [](Ps, S s) { return s.output.outLevelSetting(); }, 0.3f},
        {P::peakLimiter, 0.6f, [](Ps, S s) { return s.output.limiterSetting(); }, 0.6f},
        {P::outCeiling, 0.8f, [](Ps, S s) { return s.output.ceilingSetting(); }, 0.8f},
        {P::paramLink, 0.7f, [](Ps p, S) { return p.value(P::paramLink); }, 1.0f},
    };
    for (const Landing& row : rows) {
        MultibandCharacterParameters parameters;
        MultibandCharacterState state;
        applyFirstProgram(parameters, state);
        parameters.apply(row.index, row.x, state);
        EXPECT_EQ(row.read(parameters, state), row.expected) << row.index;
        // No other parameter reaches the same setting: all of them after it leave it as it was.
        for (const Landing& other : rows) {
            if (other.index != row.index) {
                parameters.apply(other.index, other.x, state);
            }
        }
        EXPECT_EQ(row.read(parameters, state), row.expected) << row.index;
    }
}

// A threshold moves every band's slope from that band's own threshold and
// ratio: the ends of the ratio stay at no compression and at a held level.
TEST(MultibandCharacterParameters, AThresholdKeepsEveryBandsSlopeOnItsOwnRatio)
{
    MultibandCharacterParameters parameters;
    MultibandCharacterState state;
    applyFirstProgram(parameters, state);
    parameters.apply(P::hiRatio, 1.0f, state);
    parameters.apply(P::loRatio, 0.0f, state);
    parameters.apply(P::midRatio, 0.5f, state);
    for (const int32_t threshold : {P::hiThresh, P::midThresh, P::loThresh}) {
        for (const float x : {0.2f, 0.6f}) {
            parameters.apply(threshold, x, state);
            EXPECT_EQ(parameters.band(0).slope, 0.0f) << threshold << " " << x;
            EXPECT_EQ(parameters.band(2).slope, 1.0f) << threshold << " " << x;
            EXPECT_GT(parameters.band(1).slope, 0.0f) << threshold << " " << x;
            EXPECT_LT(parameters.band(1).slope, 1.0f) << threshold << " " << x;
        }
    }
}

}  // namespace
}  // namespace fendwick
