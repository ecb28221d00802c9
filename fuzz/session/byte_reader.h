// Reads a fuzzer's bytes as the small numbers, odd floats and texts a host session is made of.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace fendwick {

// Consumes bytes front to back; once they run out every read answers zero
// (or an empty text), so any byte string decodes to something. Most tag
// bytes map to plain values (small integers, 0..1 in even steps, samples
// in -1..1); the rest pick hostile values (NaN, infinities, denormals,
// extremes) or take raw bits, so a few mutations reach each of them.
class ByteReader {
public:
    ByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    bool empty() const { return position_ >= size_; }
    uint8_t byte();
    // An index, count or opcode argument: mostly -20..179, else an extreme or raw.
    int32_t integer();
    // A parameter value, sample rate or option: mostly 0..1, else a named
    // oddity (rates, NaN, infinities, denormals, 1e30, ...) or raw bits.
    float number();
    // One audio sample from one byte: mostly -1..1, else a hostile value.
    float sample();
    // Up to 255 bytes of text; may hold NULs.
    std::string text();

private:
    // Four bytes, least significant first.
    uint32_t rawBits();

    const uint8_t* data_;
    size_t size_;
    size_t position_ = 0;
};

}  // namespace fendwick
