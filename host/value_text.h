// Eight-character texts of numbers for the host's parameter displays.
#pragma once

#include <cstddef>
#include <cstdint>

namespace fendwick {

// Writes value as exactly 8 characters (sign included), truncating, never
// rounding: 0.5 gives "0.500000", -0.5 gives "-0.50000", 12.25 gives
// "12.25000". A magnitude above 99999999 (9999999 when negative), or a value
// that is not a number, leaves text as it was.
void formatValueText(float value, char* text);

// "Huge!" from 100000000 up, else "%7d" cut after 8 characters.
void formatIntegerText(int32_t value, char* text);

// Builds an editor text of a value in a caller's buffer of `capacity` bytes,
// never writing past it; numbers always with a point, whatever the locale.
class TextBuilder {
public:
    TextBuilder(char* text, size_t capacity);

    TextBuilder& text(const char* tail);
    // Fixed decimals, rounded to nearest; a negative value that rounds to
    // zero keeps its minus sign ("-0.0").
    TextBuilder& fixed(double value, int decimals);
    TextBuilder& integer(int64_t value);

private:
    char* buffer;
    size_t capacity;
    size_t used = 0;
};

}  // namespace fendwick
