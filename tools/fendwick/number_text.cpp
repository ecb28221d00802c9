// Locale-free number formatting and parsing through the character conversions.
#include "number_text.h"

#include <array>
#include <charconv>
#include <cmath>

namespace fendwick {

std::string formatFixed(double value, int decimals)
{
    if (std::isinf(value)) {
        return value < 0.0 ? "-inf" : "inf";
    }
    if (std::isnan(value)) {
        return "nan";
    }
    std::array<char, 64> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, decimals);
    return std::string(buffer.data(), result.ptr);
}

std::string formatShortest(float value)
{
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

std::string formatShortest(double value)
{
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

std::optional<double> parseNumber(const std::string& text)
{
    // from_chars takes no leading plus sign; a user may type one.
    const size_t start = text.size() > 1 && text[0] == '+' && text[1] != '-' ? 1 : 0;
    double value = 0.0;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data() + start, end, value);
    if (text.size() == start || result.ec != std::errc() || result.ptr != end) {
        return std::nullopt;
    }
    return value;
}

std::optional<long long> parseInteger(const std::string& text)
{
    const size_t start = text.size() > 1 && text[0] == '+' && text[1] != '-' ? 1 : 0;
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data() + start, end, value);
    if (text.size() == start || result.ec != std::errc() || result.ptr != end) {
        return std::nullopt;
    }
    return value;
}

}  // namespace fendwick
