// The editor's texts of the single-band parameters, and what the factory
// programs show through them.
#include "ascarell_compressor.h"
#include "ascarell_texts.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstring>
#include <string>

namespace fendwick {
namespace {

using P = AscarellParam::Index;

std::string text(ParameterText f, float x)
{
    char buffer[64] = "garbage";
    f(x, buffer, sizeof buffer);
    return buffer;
}

std::string text(P index, float x) { return text(ascarellValueText(index), x); }

TEST(AscarellTexts, EndsAndEdgesOfEveryText)
{
    EXPECT_EQ(text(idleDisplayText, 0.3f), "- - - - - - - - -");
    EXPECT_EQ(text(P::input, 0.0f), "Input Gain  :  -oo dB");
    EXPECT_EQ(text(P::input, 1.0f), "Input Gain  :  6.0 dB");
    EXPECT_EQ(text(P::input, 0.5f), "Input Gain  :  0.0 dB");
    EXPECT_EQ(text(P::outLevel, 0.0f), "Output Gain  :  -oo dB");
    EXPECT_EQ(text(P::outLevel, 0.25f), "Output Gain  :  -6.0 dB");
    EXPECT_EQ(text(P::ratio, 0.98f), "Ratio  :  oo : 1");
    EXPECT_EQ(text(P::ratio, 0.979f), "Ratio  :  47.6 : 1");
    EXPECT_EQ(text(P::ratio, 1.0f), "Ratio  :  oo : 1");
    EXPECT_EQ(text(P::ratio, 0.75f), "Ratio  :  4.0 : 1");
    EXPECT_EQ(text(P::knee, 0.0f), "Knee  :  Hard");
    EXPECT_EQ(text(P::knee, 1.0f), "Knee  :  Soft");
    EXPECT_EQ(text(P::knee, 0.555f), "Knee  :  55 %");
    EXPECT_EQ(text(P::knee, 0.1f), "Knee  :  10 %");
    EXPECT_EQ(text(P::attack, 0.0f), "Attack time  :  1 ms");
    EXPECT_EQ(text(P::attack, 1.0f), "Attack time  :  500 ms");
    EXPECT_EQ(text(P::release, 0.0f), "Release time  :  5 ms");
    EXPECT_EQ(text(P::release, 1.0f), "Release time  :  500 ms");
    EXPECT_EQ(text(P::thresh, 0.0f), "Threshold Level  :  -50.0 dB");
    EXPECT_EQ(text(P::thresh, 1.0f), "Threshold Level  :  -0.0 dB");
}

TEST(AscarellTexts, NeverWritePastTheCapacity)
{
    char buffer[12];
    std::memset(buffer, 'x', sizeof buffer);
    ascarellValueText(P::thresh)(0.5f, buffer, 8);
    EXPECT_STREQ(buffer, "Thresho");
    EXPECT_EQ(buffer[8], 'x');
}

TEST(AscarellTexts, DecimalPointIgnoresTheProcessLocale)
{
    const char* chosen = std::setlocale(LC_ALL, "de_DE.UTF-8");
    if (chosen == nullptr) {
        chosen = std::setlocale(LC_NUMERIC, "fr_FR.UTF-8");
    }
    EXPECT_EQ(text(P::ratio, 2.0f / 3.0f), "Ratio  :  3.0 : 1");
    EXPECT_EQ(text(P::input, 1.0f), "Input Gain  :  6.0 dB");
    std::setlocale(LC_ALL, "C");
}

TEST(AscarellTexts, EveryKnobHasItsTextAndTheSwitchNone)
{
    for (int32_t index : {-1, 0, 1, 2, 3, 4, 5, 6, 7, 8}) {
        const bool knob = index >= 0 && index < P::count && index != P::arc;
        EXPECT_EQ(ascarellValueText(index) != nullptr, knob) << index;
    }
}

struct ShownProgram {
    const char* ratio;
    const char* knee;
    const char* attack;
    const char* release;
    const char* threshold;
};

// What the editor shows for each factory program.
const ShownProgram kShown[kAscarellProgramCount] = {
    {"2.0 : 1", "10 %", "19 ms", "120 ms", "-0.0 dB"},  {"3.0 : 1", "10 %", "10 ms", "42 ms", "-6.0 dB"},
    {"1.5 : 1", "10 %", "18 ms", "40 ms", "-3.0 dB"},   {"2.2 : 1", "10 %", "18 ms", "40 ms", "-3.0 dB"},
    {"3.2 : 1", "10 %", "18 ms", "40 ms", "-3.0 dB"},   {"6.0 : 1", "Hard", "8 ms", "16 ms", "-8.0 dB"},
    {"oo : 1", "10 %", "1 ms", "120 ms", "-12.0 dB"},   {"8.0 : 1", "10 %", "1 ms", "120 ms", "-3.0 dB"},
    {"oo : 1", "10 %", "1 ms", "42 ms", "-3.0 dB"},     {"4.2 : 1", "10 %", "6 ms", "120 ms", "-6.0 dB"},
    {"8.0 : 1", "10 %", "1 ms", "21 ms", "-6.0 dB"},    {"8.0 : 1", "Hard", "8 ms", "10 ms", "-3.0 dB"},
    {"12.2 : 1", "10 %", "1 ms", "21 ms", "-6.0 dB"},   {"7.0 : 1", "10 %", "8 ms", "26 ms", "-6.0 dB"},
    {"12.2 : 1", "10 %", "1 ms", "59 ms", "-8.2 dB"},   {"5.0 : 1", "10 %", "34 ms", "46 ms", "-6.0 dB"},
    {"4.0 : 1", "Hard", "22 ms", "30 ms", "-6.0 dB"},   {"7.0 : 1", "10 %", "4 ms", "50 ms", "-6.0 dB"},
    {"6.0 : 1", "10 %", "14 ms", "40 ms", "-6.0 dB"},   {"12.2 : 1", "Hard", "6 ms", "26 ms", "-6.0 dB"},
    {"7.7 : 1", "10 %", "56 ms", "63 ms", "-6.0 dB"},   {"2.2 : 1", "10 %", "6 ms", "55 ms", "-6.0 dB"},
    {"12.2 : 1", "Hard", "6 ms", "20 ms", "-11.4 dB"},
};

TEST(AscarellTexts, FactoryProgramsShowTheirSettings)
{
    AscarellCompressor c(nullptr, AscarellChannels::stereo);
    for (int32_t p = 0; p < kAscarellProgramCount; ++p) {
        c.setProgram(p);
        SCOPED_TRACE(p);
        EXPECT_EQ(text(P::ratio, c.getParameter(P::ratio)), std::string("Ratio  :  ") + kShown[p].ratio);
        EXPECT_EQ(text(P::knee, c.getParameter(P::knee)), std::string("Knee  :  ") + kShown[p].knee);
        EXPECT_EQ(text(P::attack, c.getParameter(P::attack)),
                  std::string("Attack time  :  ") + kShown[p].attack);
        EXPECT_EQ(text(P::release, c.getParameter(P::release)),
                  std::string("Release time  :  ") + kShown[p].release);
        EXPECT_EQ(text(P::thresh, c.getParameter(P::thresh)),
                  std::string("Threshold Level  :  ") + kShown[p].threshold);
        EXPECT_EQ(text(P::input, c.getParameter(P::input)), "Input Gain  :  0.0 dB");
        EXPECT_EQ(text(P::outLevel, c.getParameter(P::outLevel)), "Output Gain  :  0.0 dB");
        EXPECT_GE(c.getParameter(P::arc), 0.5f);
    }
}

}  // namespace
}  // namespace fendwick
