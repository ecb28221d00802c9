// The character plug-ins' tables as the host and the editor read them:
// identity, names, labels, texts in units and the 32 factory programs of
// both builds.
#include "editor_texts.h"
#include "program_bank.h"
#include "tolverin_tables.h"
#include "vst2_abi.h"

#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace fendwick {
namespace {

// The host's display text of a row, written into the interface's bound as
// the effect base writes it.
std::string hostText(const ParameterRow& row, float x)
{
    char text[kParameterTextSize + 8];
    std::memset(text, 'x', sizeof text);
    row.hostText(x, text, kParameterTextSize);
    return text;
}

std::string editorText(ParameterText text, float x)
{
    char buffer[64] = "garbage";
    text(x, buffer, sizeof buffer);
    return buffer;
}

// One build's tables, so that both builds go through the same checks.
struct Build {
    const char* what;
    ParameterTable table;
    ParameterText (*editorTexts)(int32_t index);
    ProgramBank programs;

    // The index of the parameter with this host name; -1 where the build has none.
    int32_t indexOf(const std::string& name) const
    {
        for (int32_t i = 0; i < table.size(); ++i) {
            if (name == table.find(i)->name) {
                return i;
            }
        }
        return -1;
    }
};

Build stereoBuild()
{
    return {"stereo", ParameterTable(kTolverinParameterRows), EditorTexts<kTolverinParameterRows>::of,
            ProgramBank(kTolverinFactoryPrograms)};
}

Build monoBuild()
{
    return {"mono", ParameterTable(kTolverinMonoParameterRows), EditorTexts<kTolverinMonoParameterRows>::of,
            ProgramBank(kTolverinMonoFactoryPrograms)};
}

// A parameter as a build lists it: host name, label, and whether the editor
// has a value field for it (a switch shows its state by its picture alone).
struct Listed {
    const char* name;
    const char* label;
    bool field;
};

void expectListed(const Build& build, const std::vector<Listed>& rows)
{
    ASSERT_EQ(build.table.size(), static_cast<int32_t>(rows.size())) << build.what;
    for (int32_t i = 0; i < build.table.size(); ++i) {
        const Listed& listed = rows[static_cast<size_t>(i)];
        SCOPED_TRACE(std::string(build.what) + " " + std::to_string(i));
        EXPECT_STREQ(build.table.find(i)->name, listed.name);
        EXPECT_STREQ(build.table.find(i)->label, listed.label);
        EXPECT_EQ(build.editorTexts(i) != nullptr, listed.field);
    }
}

TEST(TolverinParameters, NamesLabelsFieldsAndHostTextsInUnits)
{
    expectListed(stereoBuild(),
                 {{"StereoLink", "", false}, {"LoCut", "", false}, {"PeakLimiter SW", "", false},
                  {"Reduction", "", false}, {"Thresh", "dB", true}, {"Ratio", "", true}, {"Attack", "ms", true},
                  {"Release", "ms", true}, {"ARC", "", false}, {"Character", "", false}, {"Character mode", "", false},
                  {"OutLevel", "dB", true}, {"Out Ceiling", "dB", true}, {"StereoEnh", "%", true},
                  {"StereoEnhSW", "", false}});
    expectListed(monoBuild(),
                 {{"LoCut", "", false}, {"PeakLimiter SW", "", false}, {"Reduction", "", false}, {"Thresh", "dB", true},
                  {"Ratio", "", true}, {"Attack", "ms", true}, {"Release", "ms", true}, {"ARC", "", false},
                  {"Character", "", false}, {"Character mode", "", false}, {"OutLevel", "dB", true},
                  {"Out Ceiling", "dB", true}});
    using P = TolverinParam::Index;
    struct Case {
        int32_t index;
        float x;
        const char* host;
    };
    const Case cases[] = {
        {P::stereoLink, 0.49f, "Off"},     {P::stereoLink, 0.5f, "On"},         {P::thresh, 0.5f, "-6.0"},
        {P::thresh, 0.003f, "-50.0"},      {P::thresh, 0.0f, "-50.0"},          {P::ratio, 0.98f, "oo : 1"},
        {P::ratio, 0.979f, "47.6 : 1"},    {P::attack, 0.0f, "1"},              {P::attack, 1.0f, "500"},
        {P::release, 0.0f, "5"},           {P::release, 1.0f, "500"},           {P::character, 0.333332f, "Bright"},
        {P::character, 0.333333f, "Hot"},  {P::character, 0.666665f, "Hot"},   {P::character, 0.666666f, "Loud"},
        {P::characterMode, 0.49f, "Normal"}, {P::characterMode, 0.5f, "Maxx"}, {P::outLevel, 0.0f, "-oo"},
        {P::outLevel, 1.0f, "6.0"},        {P::outCeiling, 0.0f, "-oo"},        {P::outCeiling, 0.5f, "-6.0"},
        {P::stereoEnh, 0.999f, "99"},      {P::stereoEnh, 1.0f, "100"},         {P::stereoEnhSwitch, 0.5f, "On"},
    };
    const Build stereo = stereoBuild();
    for (const Case& c : cases) {
        EXPECT_EQ(hostText(*stereo.table.find(c.index), c.x), c.host) << c.index << " at " << c.x;
    }
}

// A factory program in units as the host shows it, in the order of
// kShownColumns; the editor's fields add the label's unit.
const char* const kShownColumns[] = {"LoCut",   "Reduction", "Thresh",         "Ratio",   "Attack",
                                     "Release", "Character", "Character mode", "OutLevel"};
struct ShownProgram {
    const char* name;
    const char* shown[std::size(kShownColumns)];
};

const ShownProgram kShown[kTolverinProgramCount] = {
    {"Tolverin Default", {"Off", "Off", "-0.0", "2.0 : 1", "19", "120", "Loud", "Normal", "0.0"}},
    {"Classic", {"Off", "Off", "-6.0", "3.0 : 1", "10", "42", "Hot", "Maxx", "0.0"}},
    {"Master Soft", {"Off", "Off", "-3.0", "1.5 : 1", "18", "40", "Hot", "Normal", "1.0"}},
    {"Master Basic", {"Off", "Off", "-3.0", "2.2 : 1", "18", "40", "Bright", "Normal", "2.0"}},
    {"Master Loud", {"Off", "Off", "-3.0", "3.2 : 1", "18", "40", "Loud", "Maxx", "2.0"}},
    {"maxi 1", {"Off", "Off", "-1.0", "2.0 : 1", "1", "120", "Bright", "Maxx", "1.0"}},
    {"maxi 2", {"Off", "Off", "-1.0", "2.0 : 1", "1", "120", "Hot", "Maxx", "1.0"}},
    {"maxi 3", {"Off", "Off", "-1.0", "2.0 : 1", "1", "120", "Loud", "Maxx", "1.0"}},
    {"maxi 4", {"Off", "Off", "-1.0", "2.5 : 1", "1", "120", "Bright", "Maxx", "3.0"}},
    {"maxi 5", {"Off", "Off", "-1.0", "2.5 : 1", "1", "120", "Hot", "Maxx", "3.0"}},
    {"maxi 6", {"Off", "Off", "-1.0", "2.5 : 1", "1", "120", "Loud", "Maxx", "3.0"}},
    {"maxi 7", {"On", "Off", "-1.0", "3.0 : 1", "1", "120", "Bright", "Maxx", "6.0"}},
    {"maxi 8", {"On", "Off", "-1.0", "3.0 : 1", "1", "120", "Hot", "Maxx", "6.0"}},
    {"maxi 9", {"On", "Off", "-1.0", "3.0 : 1", "1", "120", "Loud", "Maxx", "6.0"}},
    {"Cutting", {"On", "On", "-8.0", "6.0 : 1", "8", "16", "Bright", "Maxx", "0.0"}},
    {"Dump", {"Off", "Off", "-12.0", "oo : 1", "1", "120", "Loud", "Maxx", "0.0"}},
    {"Limiting Soft", {"On", "Off", "-3.0", "8.0 : 1", "1", "120", "Hot", "Normal", "0.0"}},
    {"Limiting Hard", {"On", "On", "-3.0", "oo : 1", "1", "42", "Hot", "Maxx", "0.0"}},
    {"Drum", {"Off", "Off", "-6.0", "4.2 : 1", "6", "120", "Hot", "Normal", "2.0"}},
    {"Drum Loud", {"Off", "Off", "-6.0", "8.0 : 1", "1", "21", "Loud", "Maxx", "3.0"}},
    {"Snare Tight", {"On", "On", "-3.0", "8.0 : 1", "8", "10", "Bright", "Maxx", "0.0"}},
    {"Snare Phat", {"On", "Off", "-6.0", "12.2 : 1", "1", "21", "Hot", "Maxx", "2.4"}},
    {"Kick Tight", {"Off", "Off", "-6.0", "7.0 : 1", "8", "26", "Loud", "Maxx", "0.0"}},
    {"Kick Phat", {"Off", "Off", "-8.2", "12.2 : 1", "1", "59", "Hot", "Maxx", "4.0"}},
    {"AGuitar", {"Off", "Off", "-6.0", "5.0 : 1", "34", "46", "Bright", "Normal", "0.0"}},
    {"EGuitar Clean", {"Off", "On", "-6.0", "4.0 : 1", "22", "30", "Bright", "Normal", "0.0"}},
    {"EGuitar Crunch", {"Off", "Off", "-6.0", "7.0 : 1", "4", "50", "Hot", "Normal", "0.0"}},
    {"EBass", {"Off", "Off", "-6.0", "6.0 : 1", "14", "40", "Loud", "Normal", "0.0"}},
    {"EBass Slap", {"Off", "On", "-6.0", "12.2 : 1", "6", "26", "Bright", "Maxx", "0.0"}},
    {"ABass", {"Off", "Off", "-6.0", "7.7 : 1", "56", "63", "Loud", "Normal", "0.0"}},
    {"Vocal", {"On", "Off", "-6.0", "2.2 : 1", "6", "55", "Bright", "Normal", "0.0"}},
    {"Vocal Enhance", {"On", "On", "-11.4", "12.2 : 1", "6", "20", "Bright", "Normal", "4.5"}},
};

// Every factory program's value of the named parameter reads `host` to the
// host; an editor field reads it with the label's unit, a switch has none.
void expectShown(const Build& build, int32_t program, const char* name, const char* host)
{
    const int32_t index = build.indexOf(name);
    ASSERT_GE(index, 0) << name;
    const ParameterRow& row = *build.table.find(index);
    const float x = build.programs.value(program, index);
    SCOPED_TRACE(std::string(build.what) + " program " + std::to_string(program) + " " + name);
    EXPECT_EQ(hostText(row, x), host);
    if (const ParameterText text = build.editorTexts(index)) {
        EXPECT_EQ(editorText(text, x), row.label[0] == '\0' ? std::string(host) : host + std::string(" ") + row.label);
    }
}

const std::pair<const char*, const char*> kEveryProgram[] = {
    {"PeakLimiter SW", "On"}, {"ARC", "On"}, {"Out Ceiling", "0.0"},
    {"StereoLink", "On"}, {"StereoEnh", "50"}, {"StereoEnhSW", "Off"}};

TEST(TolverinParameters, FactoryProgramsInUnitsForTheHostAndTheEditor)
{
    for (const Build& build : {stereoBuild(), monoBuild()}) {
        ASSERT_EQ(build.programs.size(), kTolverinProgramCount);
        for (int32_t p = 0; p < kTolverinProgramCount; ++p) {
            const ShownProgram& shown = kShown[p];
            char name[kProgramNameSize];
            ASSERT_TRUE(build.programs.copyName(p, name));
            EXPECT_STREQ(name, shown.name);
            for (size_t column = 0; column < std::size(kShownColumns); ++column) {
                expectShown(build, p, kShownColumns[column], shown.shown[column]);
            }
            // The same in every program; a build without the parameter skips it.
            for (const auto& [parameter, text] : kEveryProgram) {
                if (build.indexOf(parameter) >= 0) {
                    expectShown(build, p, parameter, text);
                }
            }
        }
    }
}

TEST(TolverinParameters, IdentityRowsOfBothBuilds)
{
    const PluginIdentity expected[] = {
        {"Tolverin", "Tolverin", "Fendwick", 1000, PlugCategory::effect, fourCharCode("qk12"), 2, 2, 32, 15,
         EffectFlag::canMono | EffectFlag::canReplace},
        {"Tolverin mono", "Tolverin mono", "Fendwick", 1000, PlugCategory::effect, fourCharCode("qk13"), 1, 1, 32, 12,
         EffectFlag::canMono | EffectFlag::canReplace}};
    const PluginIdentity* actual[] = {&kTolverinStereoIdentity, &kTolverinMonoIdentity};
    for (size_t b = 0; b < std::size(expected); ++b) {
        const PluginIdentity& e = expected[b];
        const PluginIdentity& a = *actual[b];
        SCOPED_TRACE(e.effectName);
        EXPECT_STREQ(a.effectName, e.effectName);
        EXPECT_STREQ(a.productName, e.productName);
        EXPECT_STREQ(a.vendorName, e.vendorName);
        EXPECT_EQ(std::tie(a.vendorVersion, a.category, a.uniqueId, a.numInputs, a.numOutputs, a.numPrograms,
                           a.numParams, a.flags),
                  std::tie(e.vendorVersion, e.category, e.uniqueId, e.numInputs, e.numOutputs, e.numPrograms,
                           e.numParams, e.flags));
    }
    EXPECT_EQ(TolverinMeter::compressorGain, 15);
    EXPECT_EQ(TolverinMeter::end, 21);
    EXPECT_EQ(TolverinMonoMeter::compressorGain, 12);
    EXPECT_EQ(TolverinMonoMeter::end, 16);
}

TEST(TolverinParameters, NamesAndTextsStayInTheirBoundsAndStrayIndexesHaveNoRow)
{
    for (const Build& build : {stereoBuild(), monoBuild()}) {
        SCOPED_TRACE(build.what);
        EXPECT_EQ(build.table.find(-1), nullptr);
        EXPECT_EQ(build.table.find(build.table.size()), nullptr);
        EXPECT_EQ(build.editorTexts(-1), nullptr);
        EXPECT_EQ(build.editorTexts(build.table.size()), nullptr);
        EXPECT_EQ(build.programs.value(0, build.table.size()), 0.0f);
        EXPECT_FALSE(build.programs.contains(kTolverinProgramCount));
        for (int32_t i = 0; i < build.table.size(); ++i) {
            const ParameterRow& row = *build.table.find(i);
            EXPECT_LE(std::strlen(row.name), 15u) << row.name;
            for (float x : {0.0f, 0.001f, 0.5f, 0.9999f, 1.0f}) {
                char whole[64];
                row.hostText(x, whole, sizeof whole);
                EXPECT_EQ(hostText(row, x), whole) << row.name << " at " << x << " is cut";
            }
        }
    }
}

}  // namespace
}  // namespace fendwick
