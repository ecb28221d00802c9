// The eight-character value texts the host displays.
#include "value_text.h"

#include <gtest/gtest.h>

#include <string>

namespace fendwick {
namespace {

std::string formatted(float value)
{
    char text[32] = "unchanged";
    formatValueText(value, text);
    return text;
}

TEST(FormatValueText, WritesEightCharactersAndTruncates)
{
    EXPECT_EQ(formatted(0.5f), "0.500000");
    EXPECT_EQ(formatted(1.0f), "1.000000");
    EXPECT_EQ(formatted(0.0f), "0.000000");
    EXPECT_EQ(formatted(0.7f), "0.699999");
    EXPECT_EQ(formatted(-0.5f), "-0.50000");
    EXPECT_EQ(formatted(12.25f), "12.25000");
    EXPECT_EQ(formatted(0.05f), "0.050000");
    EXPECT_EQ(formatted(1234567.0f), "1234567.");
}

TEST(FormatValueText, KeepsOnlyTheLowestDigitsOfLargeNumbers)
{
    EXPECT_EQ(formatted(12345678.0f), "2345678.");
    EXPECT_EQ(formatted(-1234567.0f), "-234567.");
}

TEST(FormatValueText, LeavesTheTextAloneWhenTheNumberDoesNotFit)
{
    EXPECT_EQ(formatted(100000000.0f), "unchanged");
    EXPECT_EQ(formatted(-10000000.0f), "unchanged");
    EXPECT_EQ(formatted(std::numeric_limits<float>::quiet_NaN()), "unchanged");
    EXPECT_EQ(formatted(std::numeric_limits<float>::infinity()), "unchanged");
}

TEST(FormatIntegerText, PadsToSevenAndSaysHugeFromOneHundredMillion)
{
    char text[16];
    formatIntegerText(42, text);
    EXPECT_STREQ(text, "     42");
    formatIntegerText(99999999, text);
    EXPECT_STREQ(text, "99999999");
    formatIntegerText(-12345678, text);
    EXPECT_STREQ(text, "-1234567");
    formatIntegerText(100000000, text);
    EXPECT_STREQ(text, "Huge!");
}

}  // namespace
}  // namespace fendwick
