// The three-band character plug-in's tables as the host and the editor read
// them: identity, names, labels, texts in units, the slot order and the 14
// factory programs.
#include "editor_texts.h"
#include "program_bank.h"
#include "tolverin3_tables.h"
#include "vst2_abi.h"

#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <string>
#include <tuple>

namespace fendwick {
namespace {

using P = Tolverin3Param::Index;

const ParameterTable kTable(kTolverin3ParameterRows);
constexpr auto kEditorText = EditorTexts<kTolverin3ParameterRows>::of;
const ProgramBank kBank(kTolverin3FactoryPrograms, kTolverin3ParameterInSlot);

// The host's display text of a row, cut to the interface's bound as the
// effect base cuts it.
std::string hostText(int32_t index, float x, size_t capacity = kParameterTextSize)
{
    char text[64];
    kTable.find(index)->hostText(x, text, capacity);
    return text;
}

// Host name, label, and whether the editor has a value field (a switch shows
// its state by its picture alone); no name is cut, no host text either.
TEST(Tolverin3Parameters, NamesLabelsFieldsAndUncutTexts)
{
    const struct { const char* name; const char* label; bool field; } rows[] = {
        {"Lo-Mid", "Hz", true},      {"Mid-Hi", "Hz", true},      {"PeakLimiter SW", "", false},
        {"Hi Type", "", false},      {"Mid Type", "", false},     {"Lo Type", "", false},
        {"SonicFilter", "", false},  {"SonicFilter Amt", "", false}, {"OutLevel", "dB", true},
        {"Out Ceiling", "dB", true}, {"ParamLink", "", false},    {"LoCut", "", false},
        {"Hi_Thresh", "dB", true},   {"Hi_Ratio", "", true},      {"Hi_Attack", "ms", true},
        {"Hi_Release", "ms", true},  {"Hi_ARC", "", false},       {"Hi_In", "dB", true},
        {"Hi_PW", "", false},        {"Hi_Comp", "", false},      {"Mid_Thresh", "dB", true},
        {"Mid_Ratio", "", true},     {"Mid_Attack", "ms", true},  {"Mid_Release", "ms", true},
        {"Mid_ARC", "", false},      {"Mid_In", "dB", true},      {"Mid_PW", "", false},
        {"Mid_Comp", "", false},     {"Lo_Thresh", "dB", true},   {"Lo_Ratio", "", true},
        {"Lo_Attack", "ms", true},   {"Lo_Release", "ms", true},  {"Lo_ARC", "", false},
        {"Lo_In", "dB", true},       {"Lo_PW", "", false},        {"Lo_Comp", "", false}};
    ASSERT_EQ(kTable.size(), static_cast<int32_t>(std::size(rows)));
    for (int32_t i = 0; i < kTable.size(); ++i) {
        SCOPED_TRACE(rows[i].name);
        EXPECT_STREQ(kTable.find(i)->name, rows[i].name);
        EXPECT_STREQ(kTable.find(i)->label, rows[i].label);
        EXPECT_EQ(kEditorText(i) != nullptr, rows[i].field);
        EXPECT_LE(std::strlen(rows[i].name), 15u);
        for (const float x : {0.0f, 0.001f, 0.5f, 0.9999f, 1.0f}) {
            EXPECT_EQ(hostText(i, x), hostText(i, x, 64)) << x;
        }
    }
}

TEST(Tolverin3Parameters, HostTextsInUnitsAtTheEdgesOfEveryValueType)
{
    const struct { int32_t index; float x; const char* host; } cases[] = {
        {P::loMid, 0.0f, "50"}, {P::midHi, 1.0f, "22000"}, {P::peakLimiter, 0.49f, "Off"},
        {P::peakLimiter, 0.5f, "On"}, {P::hiType, 0.49f, "Soft"}, {P::loType, 0.5f, "Hard"},
        {P::sonicFilter, 0.333332f, "Bright"}, {P::sonicFilter, 0.333333f, "Hot"}, {P::sonicFilter, 0.666665f, "Hot"},
        {P::sonicFilter, 0.666666f, "Loud"}, {P::sonicFilterAmount, 0.49f, "Normal"},
        {P::sonicFilterAmount, 0.5f, "Maxx"}, {P::outLevel, 0.0f, "-oo"}, {P::outLevel, 1.0f, "6.0"},
        {P::outCeiling, 0.0f, "-oo"}, {P::outCeiling, 0.5f, "-6.0"}, {P::paramLink, 0.7f, "On"},
        {P::midThresh, 0.5f, "-6.0"}, {P::loThresh, 0.003f, "-50.0"}, {P::hiThresh, 0.0f, "-50.0"},
        {P::hiRatio, 0.98f, "oo : 1"}, {P::midRatio, 0.5f, "2.0 : 1"}, {P::loRatio, 1.0f, "oo : 1"},
        {P::hiAttack, 0.0f, "1"}, {P::loAttack, 1.0f, "500"}, {P::midRelease, 0.0f, "5"},
        {P::hiRelease, 1.0f, "500"}, {P::midIn, 0.0f, "-oo"}, {P::loComp, 1.0f, "On"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(hostText(c.index, c.x), c.host) << kTable.find(c.index)->name << " at " << c.x;
    }
}

TEST(Tolverin3Parameters, DefaultProgramInTheEditorsWords)
{
    const struct { int32_t index; const char* shown; } cases[] = {
        {P::loMid, "263 Hz"}, {P::midHi, "11219 Hz"}, {P::hiRatio, "3.0 : 1"}, {P::loRatio, "3.0 : 1"},
        {P::hiAttack, "18 ms"}, {P::midRelease, "120 ms"}, {P::hiThresh, "-0.0 dB"}, {P::loThresh, "-0.0 dB"},
        {P::midIn, "0.0 dB"}, {P::outLevel, "0.0 dB"}, {P::outCeiling, "0.0 dB"}};
    for (const auto& c : cases) {
        char text[64] = "garbage";
        kEditorText(c.index)(kBank.value(0, c.index), text, sizeof text);
        EXPECT_STREQ(text, c.shown) << kTable.find(c.index)->name;
    }
}

// A factory program as the host shows it: Lo-Mid, Mid-Hi, every band's
// Type, SonicFilter, SonicFilter Amt, OutLevel; then each band's Thresh,
// Ratio, Attack, Release and In.
struct ShownProgram {
    const char* name;
    const char* shared[6];
    const char* band[kMultibandBandCount][5];
};

const ShownProgram kShown[kTolverin3ProgramCount] = {
    {"Tolverin3 Default", {"263", "11219", "Soft", "Bright", "Normal", "0.0"}, {{"-0.0", "3.0 : 1", "18", "120", "0.0"},
     {"-0.0", "3.0 : 1", "18", "120", "0.0"}, {"-0.0", "3.0 : 1", "18", "120", "0.0"}}},
    {"Soft", {"263", "11219", "Soft", "Bright", "Normal", "0.0"}, {{"-12.0", "2.9 : 1", "8", "27", "0.0"},
     {"-8.1", "2.0 : 1", "22", "59", "0.0"}, {"-8.8", "1.9 : 1", "42", "92", "0.0"}}},
    {"Basic", {"263", "11219", "Soft", "Bright", "Normal", "0.0"}, {{"-13.1", "6.6 : 1", "5", "18", "0.0"},
     {"-8.6", "4.4 : 1", "19", "43", "0.0"}, {"-9.0", "4.3 : 1", "39", "59", "0.0"}}},
    {"Hard", {"263", "11219", "Hard", "Bright", "Maxx", "2.0"}, {{"-20.1", "8.9 : 1", "3", "16", "0.0"},
     {"-12.7", "7.4 : 1", "14", "39", "0.0"}, {"-12.9", "7.0 : 1", "29", "59", "0.0"}}},
    {"Hard 2", {"263", "11219", "Hard", "Bright", "Maxx", "2.6"}, {{"-26.2", "10.2 : 1", "4", "21", "0.0"},
     {"-15.1", "8.0 : 1", "17", "44", "0.0"}, {"-15.2", "7.9 : 1", "36", "77", "0.0"}}},
    {"Deep", {"122", "11283", "Soft", "Loud", "Normal", "4.0"}, {{"-33.1", "14.6 : 1", "10", "29", "0.0"},
     {"-18.6", "8.2 : 1", "27", "47", "0.0"}, {"-19.9", "8.0 : 1", "42", "77", "0.0"}}},
    {"Master Soft", {"275", "11219", "Soft", "Hot", "Normal", "1.0"}, {{"-6.9", "2.2 : 1", "8", "24", "0.0"},
     {"-4.7", "1.8 : 1", "25", "54", "0.0"}, {"-5.0", "1.9 : 1", "53", "67", "0.0"}}},
    {"Master Basic", {"263", "11219", "Soft", "Bright", "Normal", "1.5"}, {{"-6.0", "4.1 : 1", "5", "18", "-0.1"},
     {"-4.5", "2.8 : 1", "19", "47", "0.0"}, {"-4.9", "2.6 : 1", "39", "67", "0.0"}}},
    {"Master Basic2", {"263", "11219", "Hard", "Bright", "Normal", "1.5"}, {{"-6.2", "3.9 : 1", "5", "16", "-0.1"},
     {"-4.3", "2.8 : 1", "19", "39", "0.0"}, {"-4.6", "2.5 : 1", "37", "49", "0.0"}}},
    {"Master Hard", {"240", "11219", "Hard", "Loud", "Normal", "2.0"}, {{"-5.8", "6.6 : 1", "4", "18", "0.2"},
     {"-4.1", "4.1 : 1", "18", "41", "0.0"}, {"-4.4", "3.9 : 1", "33", "59", "0.0"}}},
    {"Master Hard2", {"241", "11219", "Hard", "Loud", "Normal", "2.0"}, {{"-5.6", "7.6 : 1", "3", "18", "0.2"},
     {"-4.1", "5.1 : 1", "16", "43", "0.0"}, {"-4.6", "4.8 : 1", "29", "56", "0.0"}}},
    {"Master Heavy", {"216", "10079", "Hard", "Loud", "Maxx", "3.0"}, {{"-6.0", "15.7 : 1", "3", "18", "-0.5"},
     {"-4.4", "9.3 : 1", "16", "39", "0.0"}, {"-4.7", "8.9 : 1", "24", "53", "0.0"}}},
    {"Master Heavy2", {"216", "9935", "Soft", "Loud", "Maxx", "3.0"}, {{"-5.9", "16.0 : 1", "3", "18", "-0.5"},
     {"-4.3", "9.8 : 1", "16", "39", "0.0"}, {"-4.5", "9.3 : 1", "28", "50", "0.0"}}},
    {"Sweet Pop", {"908", "9648", "Soft", "Hot", "Maxx", "2.0"}, {{"-9.6", "2.1 : 1", "6", "29", "0.0"},
     {"-6.4", "5.5 : 1", "19", "47", "1.1"}, {"-5.9", "1.9 : 1", "32", "128", "0.5"}}},
};

// The same in every program: limiter on at a full-scale ceiling, low cut
// off, the bands unlinked, each on and compressing with automatic release.
const struct { int32_t index; const char* host; } kEveryProgram[] = {
    {P::peakLimiter, "On"}, {P::outCeiling, "0.0"}, {P::loCut, "Off"}, {P::paramLink, "Off"}, {P::hiPower, "On"},
    {P::midComp, "On"},     {P::loPower, "On"},     {P::hiArc, "On"},  {P::midArc, "On"},     {P::loArc, "On"}};

TEST(Tolverin3Parameters, FactoryProgramsReadBackInUnits)
{
    ASSERT_EQ(kBank.size(), kTolverin3ProgramCount);
    const int32_t shared[] = {P::loMid, P::midHi, P::hiType, P::sonicFilter, P::sonicFilterAmount, P::outLevel};
    const BandParam::Offset offsets[] = {BandParam::thresh, BandParam::ratio, BandParam::attack, BandParam::release,
                                         BandParam::in};
    auto expectShown = [](int32_t program, int32_t index, const char* host) {
        EXPECT_EQ(hostText(index, kBank.value(program, index)), host) << kTable.find(index)->name;
    };
    for (int32_t p = 0; p < kTolverin3ProgramCount; ++p) {
        const ShownProgram& shown = kShown[p];
        SCOPED_TRACE(shown.name);
        char name[kProgramNameSize];
        ASSERT_TRUE(kBank.copyName(p, name));
        EXPECT_STREQ(name, shown.name);
        for (size_t column = 0; column < std::size(shared); ++column) {
            expectShown(p, shared[column], shown.shared[column]);
        }
        for (int32_t b = 0; b < kMultibandBandCount; ++b) {
            const auto band = static_cast<MultibandBand>(b);
            expectShown(p, tolverin3BandType(band), shown.shared[2]);
            for (size_t column = 0; column < std::size(offsets); ++column) {
                expectShown(p, tolverin3BandParameter(band, offsets[column]), shown.band[b][column]);
            }
        }
        for (const auto& every : kEveryProgram) {
            expectShown(p, every.index, every.host);
        }
    }
}

// A program change applies ParamLink (off) first, then the rest in record
// order, each band's switches ahead of its values.
TEST(Tolverin3Parameters, ProgramChangeUnlinksFirstThenAppliesTheRecordOrder)
{
    const int32_t applied[] = {10, 0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  11, 18, 19, 12, 13, 14, 15,
                               16, 17, 26, 27, 20, 21, 22, 23, 24, 25, 34, 35, 28, 29, 30, 31, 32, 33};
    ASSERT_EQ(kBank.valueCount(), static_cast<int32_t>(std::size(applied)));
    for (int32_t slot = 0; slot < kBank.valueCount(); ++slot) {
        EXPECT_EQ(kBank.parameterInSlot(slot), applied[slot]) << slot;
    }
}

TEST(Tolverin3Parameters, IdentityMetersAndBounds)
{
    const PluginIdentity& a = kTolverin3MonoIdentity;
    EXPECT_EQ(std::make_tuple(std::string(a.effectName), std::string(a.productName), std::string(a.vendorName),
                              a.vendorVersion, a.uniqueId, a.numInputs, a.numOutputs, a.numPrograms, a.numParams,
                              a.flags),
              std::make_tuple(std::string("Tolverin3 mono"), std::string("Tolverin3 mono"), std::string("Fendwick"),
                              1000, fourCharCode("qk18"), 1, 1, 14, 36,
                              static_cast<int32_t>(EffectFlag::canMono | EffectFlag::canReplace)));
    EXPECT_EQ(Tolverin3Meter::hiGain, 36);
    EXPECT_EQ(Tolverin3Meter::limiterGain, 43);
    // Index 35 is served like any other; 36 is none, nor is program 14.
    EXPECT_STREQ(kTable.find(35)->name, "Lo_Comp");
    EXPECT_EQ(kTable.find(36), nullptr);
    EXPECT_EQ(kEditorText(36), nullptr);
    char name[kProgramNameSize] = "unchanged";
    EXPECT_FALSE(kBank.copyName(14, name));
    EXPECT_STREQ(name, "unchanged");
    EXPECT_TRUE(kBank.copyName(13, name));
    EXPECT_STREQ(name, "Sweet Pop");
    EXPECT_EQ(kBank.value(14, P::loMid), 0.0f);
}

}  // namespace
}  // namespace fendwick
