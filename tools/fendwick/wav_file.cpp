// Decoding and encoding WAV files without libsndfile.
#include "wav_file.h"

#include "tool_error.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

namespace fendwick {
namespace {

constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kFormatFloat = 3;
constexpr uint16_t kFormatExtensible = 0xFFFE;
// RIFF sizes are 32-bit; a float file holds at most this many data bytes.
constexpr uint64_t kLargestChunk = 0xFFFFFFFFu - 64u;

uint32_t littleEndian(const uint8_t* at, int bytes)
{
    uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        value = (value << 8) | at[i];
    }
    return value;
}

void appendLittleEndian(std::vector<uint8_t>& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }
}

void appendTag(std::vector<uint8_t>& out, const char* tag) { out.insert(out.end(), tag, tag + 4); }

struct SampleLayout {
    uint16_t format = 0;
    int channels = 0;
    int sampleRateHz = 0;
    int bitsPerSample = 0;
};

SampleLayout readLayout(const uint8_t* chunk, uint32_t size, const std::string& name)
{
    if (size < 16) {
        throw ToolError(name + ": its WAV format chunk is too short");
    }
    SampleLayout layout;
    layout.format = static_cast<uint16_t>(littleEndian(chunk, 2));
    layout.channels = static_cast<int>(littleEndian(chunk + 2, 2));
    layout.sampleRateHz = static_cast<int>(littleEndian(chunk + 4, 4));
    layout.bitsPerSample = static_cast<int>(littleEndian(chunk + 14, 2));
    // The extensible header names the real format in its sub-format's first two bytes.
    if (layout.format == kFormatExtensible && size >= 26) {
        layout.format = static_cast<uint16_t>(littleEndian(chunk + 24, 2));
    }
    const bool pcm = layout.format == kFormatPcm &&
                     (layout.bitsPerSample == 16 || layout.bitsPerSample == 24 || layout.bitsPerSample == 32);
    const bool floating = layout.format == kFormatFloat && layout.bitsPerSample == 32;
    if (!pcm && !floating) {
        throw ToolError(name + ": this build reads only 16-, 24- and 32-bit PCM and 32-bit float WAV");
    }
    if (layout.channels < 1 || layout.sampleRateHz < 1) {
        throw ToolError(name + ": its WAV header names no channels or no sample rate");
    }
    return layout;
}

float decodeSample(const uint8_t* at, const SampleLayout& layout)
{
    const int bytes = layout.bitsPerSample / 8;
    const uint32_t bits = littleEndian(at, bytes);
    if (layout.format == kFormatFloat) {
        float value = 0.0f;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    // Sign-extend from the sample's width, then scale full scale to 1.0.
    const int shift = 32 - layout.bitsPerSample;
    const auto value = static_cast<int32_t>(bits << shift) >> shift;
    return static_cast<float>(static_cast<double>(value) / static_cast<double>(1u << (layout.bitsPerSample - 1)));
}

}  // namespace

WavAudio decodeWav(const std::vector<uint8_t>& bytes, const std::string& name)
{
    if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 || std::memcmp(bytes.data() + 8, "WAVE", 4) != 0) {
        throw ToolError(name + ": not a WAV file (this build reads WAV only)");
    }
    SampleLayout layout;
    size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const uint8_t* header = bytes.data() + at;
        const uint32_t size = littleEndian(header + 4, 4);
        const size_t available = bytes.size() - at - 8;
        const size_t present = size < available ? size : available;
        if (std::memcmp(header, "fmt ", 4) == 0) {
            layout = readLayout(header + 8, static_cast<uint32_t>(present), name);
        } else if (std::memcmp(header, "data", 4) == 0) {
            if (layout.channels == 0) {
                throw ToolError(name + ": its WAV data comes before its format");
            }
            const size_t frameBytes = static_cast<size_t>(layout.channels) * static_cast<size_t>(layout.bitsPerSample / 8);
            const size_t samples = present / frameBytes * static_cast<size_t>(layout.channels);
            WavAudio audio;
            audio.channels = layout.channels;
            audio.sampleRateHz = layout.sampleRateHz;
            audio.interleaved.resize(samples);
            const size_t sampleBytes = static_cast<size_t>(layout.bitsPerSample / 8);
            for (size_t i = 0; i < samples; ++i) {
                audio.interleaved[i] = decodeSample(header + 8 + i * sampleBytes, layout);
            }
            return audio;
        }
        // Chunks are padded to an even size.
        at += 8 + static_cast<size_t>(size) + (size & 1u);
    }
    throw ToolError(name + ": the WAV file holds no sample data");
}

std::vector<uint8_t> encodeFloatWav(const WavAudio& audio)
{
    const uint64_t dataBytes = static_cast<uint64_t>(audio.interleaved.size()) * sizeof(float);
    if (dataBytes > kLargestChunk) {
        throw ToolError("the output is too long for a WAV file");
    }
    const auto blockAlign = static_cast<uint32_t>(audio.channels) * 4u;
    std::vector<uint8_t> out;
    out.reserve(static_cast<size_t>(dataBytes) + 58);
    appendTag(out, "RIFF");
    appendLittleEndian(out, static_cast<uint32_t>(dataBytes) + 50u, 4);
    appendTag(out, "WAVE");
    // Float data takes the 18-byte format chunk and a fact chunk.
    appendTag(out, "fmt ");
    appendLittleEndian(out, 18, 4);
    appendLittleEndian(out, kFormatFloat, 2);
    appendLittleEndian(out, static_cast<uint32_t>(audio.channels), 2);
    appendLittleEndian(out, static_cast<uint32_t>(audio.sampleRateHz), 4);
    appendLittleEndian(out, static_cast<uint32_t>(audio.sampleRateHz) * blockAlign, 4);
    appendLittleEndian(out, blockAlign, 2);
    appendLittleEndian(out, 32, 2);
    appendLittleEndian(out, 0, 2);
    appendTag(out, "fact");
    appendLittleEndian(out, 4, 4);
    appendLittleEndian(out, static_cast<uint32_t>(audio.frames()), 4);
    appendTag(out, "data");
    appendLittleEndian(out, static_cast<uint32_t>(dataBytes), 4);
    for (const float sample : audio.interleaved) {
        uint32_t bits = 0;
        std::memcpy(&bits, &sample, sizeof bits);
        appendLittleEndian(out, bits, 4);
    }
    return out;
}

WavAudio readWavFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw ToolError("cannot open " + path + ": " + std::strerror(errno));
    }
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    return decodeWav(bytes, path);
}

void writeFloatWavFile(const std::string& path, const WavAudio& audio)
{
    const std::vector<uint8_t> bytes = encodeFloatWav(audio);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        throw ToolError("cannot write " + path + ": " + std::strerror(errno));
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        std::remove(path.c_str());
        throw ToolError("cannot write " + path + ": the disk refused the data");
    }
}

}  // namespace fendwick
