// Number text that ignores the locale, and the JSON text built from it.
#include "json_writer.h"
#include "number_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <locale>

namespace fendwick {
namespace {

// A locale that writes "3,5" and groups thousands, as many users' locales do.
struct CommaDecimal : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

TEST(NumberText, FormatsAndParsesTheSameUnderACommaLocale)
{
    const std::locale previous = std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
    EXPECT_EQ(formatFixed(-12345.678, 2), "-12345.68");
    EXPECT_EQ(formatShortest(0.1f), "0.1");
    EXPECT_EQ(parseNumber("+0.75"), std::optional<double>(0.75));
    EXPECT_EQ(parseNumber("0,75"), std::nullopt);
    EXPECT_EQ(parseNumber("0.5dB"), std::nullopt);
    EXPECT_EQ(parseInteger("5.0"), std::nullopt);
    std::locale::global(previous);
}

TEST(JsonWriter, EscapesTextAndWritesNoInfinities)
{
    JsonWriter json;
    json.beginObject();
    json.key("name").value("say \"hi\"\\\n\x01");
    json.key("empty").beginArray().endArray();
    json.key("level").value(-std::numeric_limits<float>::infinity());
    json.endObject();
    EXPECT_EQ(json.text(), "{\n"
                           "  \"name\": \"say \\\"hi\\\"\\\\\\n\\u0001\",\n"
                           "  \"empty\": [],\n"
                           "  \"level\": null\n"
                           "}\n");
}

}  // namespace
}  // namespace fendwick
