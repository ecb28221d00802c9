// Eight-character texts of numbers for the host's parameter displays.
#include "value_text.h"

#include "bounded_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace fendwick {

namespace {
constexpr int kTextLength = 8;
}

void formatValueText(float value, char* text)
{
    if (text == nullptr || std::isnan(value)) {
        return;
    }
    double magnitude = value;
    const bool negative = magnitude < 0.0;
    if (negative) {
        magnitude = -magnitude;
        if (magnitude > 9999999.0) {
            return;
        }
    } else if (magnitude > 99999999.0) {
        return;
    }

    // Integer digits, lowest first: the first digit and the point take two
    // characters, each further digit one, a minus sign one.
    char integerDigits[kTextLength];
    int digitCount = 0;
    int used = negative ? 1 : 0;
    double integerPart = std::floor(magnitude);
    do {
        integerDigits[digitCount++] = static_cast<char>('0' + static_cast<int>(std::fmod(integerPart, 10.0)));
        integerPart = std::floor(integerPart / 10.0);
        used += digitCount == 1 ? 2 : 1;
    } while (integerPart >= 1.0 && used < kTextLength);

    int pos = 0;
    if (negative) {
        text[pos++] = '-';
    }
    while (digitCount > 0) {
        text[pos++] = integerDigits[--digitCount];
    }
    text[pos++] = '.';

    // The remaining characters carry the fraction, cut without rounding.
    const int fractionDigits = kTextLength - used;
    if (fractionDigits > 0) {
        double scaled = (magnitude - std::floor(magnitude)) * std::pow(10.0, fractionDigits);
        auto fraction = static_cast<int64_t>(scaled);
        for (int i = fractionDigits - 1; i >= 0; --i) {
            text[pos + i] = static_cast<char>('0' + fraction % 10);
            fraction /= 10;
        }
        pos += fractionDigits;
    }
    text[pos] = '\0';
}

void formatIntegerText(int32_t value, char* text)
{
    if (value >= 100000000) {
        copyBoundedText(text, "Huge!", kTextLength + 1);
        return;
    }
    char wide[16];
    std::snprintf(wide, sizeof wide, "%7d", static_cast<int>(value));
    copyBoundedText(text, wide, kTextLength + 1);
}

TextBuilder::TextBuilder(char* text, size_t size) : buffer(text), capacity(size)
{
    if (buffer != nullptr && capacity > 0) {
        buffer[0] = '\0';
    }
}

TextBuilder& TextBuilder::text(const char* tail)
{
    if (buffer != nullptr && used < capacity) {
        copyBoundedText(buffer + used, tail, capacity - used);
        used += std::strlen(buffer + used);
    }
    return *this;
}

TextBuilder& TextBuilder::fixed(double value, int decimals)
{
    char number[64];
    const auto result = std::to_chars(number, number + sizeof number - 1, value, std::chars_format::fixed, decimals);
    *result.ptr = '\0';
    return text(number);
}

TextBuilder& TextBuilder::integer(int64_t value)
{
    char number[24];
    const auto result = std::to_chars(number, number + sizeof number - 1, value);
    *result.ptr = '\0';
    return text(number);
}

}  // namespace fendwick
