// Numbers to text and back, the same under every locale.
#pragma once

#include <optional>
#include <string>

namespace fendwick {

// Fixed point with `decimals` digits after the point; "-inf" and "inf" for infinities.
std::string formatFixed(double value, int decimals);

// The shortest text that reads back as exactly `value`.
std::string formatShortest(float value);
std::string formatShortest(double value);

// A decimal number filling the whole text ("0.5", "-3", "1e-3"); nothing otherwise.
std::optional<double> parseNumber(const std::string& text);

// A decimal integer filling the whole text; nothing otherwise.
std::optional<long long> parseInteger(const std::string& text);

}  // namespace fendwick
