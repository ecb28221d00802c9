// The value types the single-band rows leave untried, at the bounds where
// their texts change, with and without their units.
#include "choice_value.h"
#include "curve_value.h"
#include "decibel_value.h"
#include "percent_value.h"

#include <gtest/gtest.h>

#include <string>

namespace fendwick {
namespace {

std::string written(const ValueType& type, float x, bool withUnit)
{
    char text[32];
    TextBuilder out(text, sizeof text);
    type.write(x, out, withUnit);
    return text;
}

const char* const kCharacterNames[] = {"Bright", "Hot", "Loud"};
const ChoiceValue kCharacter(kCharacterNames);
const DecibelValue kCeiling(1.0f, 0.0f, "-oo");
const DecibelValue kThreshold(0.999f, 0.003162277f, "-50.0");
const CurveValue kCrossover(21950.0, 4.0, 50.0, " Hz");
const PercentValue kAmount(nullptr, nullptr);

TEST(ValueTypes, TextsAtTheirBounds)
{
    struct Case {
        const ValueType& type;
        float x;
        const char* bare;
        const char* withUnit;
    };
    const Case cases[] = {
        {kOnOffSwitch, 0.0f, "Off", "Off"},
        {kOnOffSwitch, 0.4999999f, "Off", "Off"},
        {kOnOffSwitch, 0.5f, "On", "On"},
        {kCharacter, 0.333332f, "Bright", "Bright"},
        {kCharacter, 0.333333f, "Hot", "Hot"},
        {kCharacter, 0.666665f, "Hot", "Hot"},
        {kCharacter, 0.666666f, "Loud", "Loud"},
        {kCharacter, 1.0f, "Loud", "Loud"},
        {kCeiling, 0.0f, "-oo", "-oo dB"},
        {kCeiling, 0.5f, "-6.0", "-6.0 dB"},
        {kThreshold, 0.003165f, "-50.0", "-50.0 dB"},  // 0.999x just under -50 dB
        {kThreshold, 0.0032f, "-49.9", "-49.9 dB"},
        {kCrossover, 0.314189f, "263", "263 Hz"},
        {kCrossover, 1.0f, "22000", "22000 Hz"},
        {kAmount, 0.0f, "0", "0 %"},
        {kAmount, 1.0f, "100", "100 %"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(written(c.type, c.x, false), c.bare) << c.x;
        EXPECT_EQ(written(c.type, c.x, true), c.withUnit) << c.x;
    }
}

}  // namespace
}  // namespace fendwick
