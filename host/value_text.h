// Eight-character texts of numbers for the host's parameter displays.
#pragma once

#include <cstdint>

namespace fendwick {

// Writes value as exactly 8 characters (sign included), truncating, never
// rounding: 0.5 gives "0.500000", -0.5 gives "-0.50000", 12.25 gives
// "12.25000". A magnitude above 99999999 (9999999 when negative), or a value
// that is not a number, leaves text as it was.
void formatValueText(float value, char* text);

// "Huge!" from 100000000 up, else "%7d" cut after 8 characters.
void formatIntegerText(int32_t value, char* text);

// Room for every editor text of a value, terminator included.
constexpr int32_t kValueTextCapacity = 64;

// A text of a value as an editor's text display shows it.
using ValueToText = void (*)(float value, char* text);

// Appends value with a fixed number of decimals (rounded to nearest, a minus
// sign kept on a negative value that rounds to zero) to text, which holds
// kValueTextCapacity bytes; always a point, whatever the process's locale.
void appendFixed(char* text, double value, int decimals);

// Appends value as a decimal integer.
void appendInteger(char* text, int64_t value);

// Appends a plain text.
void appendText(char* text, const char* tail);

}  // namespace fendwick
