// The value tables behind the fuzzer's byte reading.
#include "byte_reader.h"

#include <cstring>
#include <iterator>
#include <limits>

namespace fendwick {
namespace {

using Float = std::numeric_limits<float>;
using Int = std::numeric_limits<int32_t>;

constexpr int32_t kOddIntegers[] = {Int::min(), Int::max(), Int::min() + 1, Int::max() - 1, -1000000,
                                    1 << 30,    1 << 24,    65536,          8192,           4096,
                                    1024,       512,        255,            256,            -256};

// Sample rates hosts use and the values no host should send.
constexpr float kOddNumbers[] = {44100.0f,      48000.0f,     96000.0f,      192000.0f,     22050.0f,
                                 8000.0f,       1.0f,         0.0f,          -0.0f,         -1.0f,
                                 -44100.0f,     Float::quiet_NaN(), Float::infinity(), -Float::infinity(),
                                 Float::denorm_min(), Float::min(), Float::max(), -Float::max(), 1e30f,
                                 -1e30f,        1e9f,         1.0000001f,    0.4999999f,    0.5f,
                                 0.333333f,     0.666666f,    2.0f,          -0.5f,         1e-5f};

// What one sample byte above the plain range stands for.
constexpr float kOddSamples[] = {Float::quiet_NaN(), Float::infinity(), -Float::infinity(), Float::denorm_min(),
                                 -Float::denorm_min(), 1e30f,           -1e30f,            Float::max(),
                                 -Float::max(),       Float::min(),     1e-5f,             -1e-5f,
                                 2.0f,                -8.0f,            1e10f,             -0.0f};

// Tags below this are plain values; the rest pick from a table or take raw bits.
constexpr uint8_t kPlainTags = 200;
constexpr uint8_t kRawTag = 255;
constexpr uint8_t kPlainSampleTags = 256 - std::size(kOddSamples);
constexpr int32_t kSmallIntegerBase = -20;

}  // namespace

uint8_t ByteReader::byte() { return empty() ? 0 : data_[position_++]; }

uint32_t ByteReader::rawBits()
{
    uint32_t bits = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        bits |= static_cast<uint32_t>(byte()) << shift;
    }
    return bits;
}

int32_t ByteReader::integer()
{
    const uint8_t tag = byte();
    if (tag < kPlainTags) {
        return kSmallIntegerBase + tag;
    }
    if (tag != kRawTag) {
        return kOddIntegers[(tag - kPlainTags) % std::size(kOddIntegers)];
    }
    return static_cast<int32_t>(rawBits());
}

float ByteReader::number()
{
    const uint8_t tag = byte();
    if (tag < kPlainTags) {
        return static_cast<float>(tag) / static_cast<float>(kPlainTags - 1);
    }
    if (tag != kRawTag) {
        return kOddNumbers[(tag - kPlainTags) % std::size(kOddNumbers)];
    }
    const uint32_t bits = rawBits();
    float value = 0.0f;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

float ByteReader::sample()
{
    const uint8_t tag = byte();
    if (tag < kPlainSampleTags) {
        // Tag 120 is silence, tag 0 full scale.
        constexpr float kSilenceTag = kPlainSampleTags / 2;
        return (static_cast<float>(tag) - kSilenceTag) / kSilenceTag;
    }
    return kOddSamples[tag - kPlainSampleTags];
}

std::string ByteReader::text()
{
    const size_t length = byte();
    std::string result;
    for (size_t i = 0; i < length && !empty(); ++i) {
        result.push_back(static_cast<char>(byte()));
    }
    return result;
}

}  // namespace fendwick
