// The Windows build's own WAV reader and writer agree with libsndfile, sample for sample.
#include "test_audio_files.h"
#include "tool_error.h"
#include "tool_process.h"
#include "wav_file.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <limits>

namespace fendwick {
namespace {

std::vector<uint8_t> fileBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Stereo: full scale both ways, the smallest steps, a denormal and negative zero.
AudioBuffer awkwardSamples()
{
    const std::vector<float> left{1.0f, -1.0f, 0.5f, -0.25f, 1.0f / 32768.0f, -1.0f / 8388608.0f, 0.3f, -0.7f};
    const std::vector<float> right{0.0f, -0.0f, 1e-40f, 0.999f, -0.999f, 0.123456f, -1e-3f, 0.75f};
    AudioBuffer audio(2, left.size());
    std::copy(left.begin(), left.end(), audio.channel(0));
    std::copy(right.begin(), right.end(), audio.channel(1));
    return audio;
}

uint32_t bitsOf(float value)
{
    uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

TEST(WavFile, ReadsWhatLibsndfileWritesAsLibsndfileReadsIt)
{
    const struct {
        const char* encoding;
        int format;
    } cases[] = {
        {"16-bit", SF_FORMAT_WAV | SF_FORMAT_PCM_16},
        {"24-bit", SF_FORMAT_WAV | SF_FORMAT_PCM_24},
        {"32-bit", SF_FORMAT_WAV | SF_FORMAT_PCM_32},
        {"float", SF_FORMAT_WAV | SF_FORMAT_FLOAT},
        {"extensible 24-bit", SF_FORMAT_WAVEX | SF_FORMAT_PCM_24},
        {"extensible float", SF_FORMAT_WAVEX | SF_FORMAT_FLOAT},
    };
    const test::ScratchFolder folder("wav_read");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.encoding);
        const std::string path = folder.file("in.wav");
        test::writeAudioFile(path, awkwardSamples(), 48000, c.format);
        const test::AudioFile expected = test::readAudioFile(path);
        const WavAudio read = decodeWav(fileBytes(path), path);
        ASSERT_EQ(read.channels, 2);
        EXPECT_EQ(read.sampleRateHz, 48000);
        ASSERT_EQ(read.frames(), expected.audio.frames());
        for (size_t i = 0; i < read.frames(); ++i) {
            for (int ch = 0; ch < 2; ++ch) {
                EXPECT_EQ(bitsOf(read.interleaved[i * 2 + static_cast<size_t>(ch)]),
                          bitsOf(expected.audio.channel(ch)[i]))
                    << "frame " << i << " channel " << ch;
            }
        }
    }
}

TEST(WavFile, WritesFloatFilesLibsndfileReadsBitForBit)
{
    const test::ScratchFolder folder("wav_write");
    const AudioBuffer samples = awkwardSamples();
    WavAudio audio;
    audio.channels = 2;
    audio.sampleRateHz = 96000;
    for (size_t i = 0; i < samples.frames(); ++i) {
        audio.interleaved.push_back(samples.channel(0)[i]);
        audio.interleaved.push_back(samples.channel(1)[i]);
    }
    writeFloatWavFile(folder.file("out.wav"), audio);
    const test::AudioFile read = test::readAudioFile(folder.file("out.wav"));
    EXPECT_EQ(read.format, SF_FORMAT_WAV | SF_FORMAT_FLOAT);
    EXPECT_EQ(read.sampleRateHz, 96000);
    ASSERT_EQ(read.audio.frames(), samples.frames());
    for (size_t i = 0; i < samples.frames(); ++i) {
        for (int ch = 0; ch < 2; ++ch) {
            EXPECT_EQ(bitsOf(read.audio.channel(ch)[i]), bitsOf(samples.channel(ch)[i])) << "frame " << i;
        }
    }
}

TEST(WavFile, DataCutShortYieldsTheWholeFramesThere)
{
    WavAudio audio{2, 44100, {0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f}};
    std::vector<uint8_t> bytes = encodeFloatWav(audio);
    // Half of the last frame is gone.
    bytes.resize(bytes.size() - 4);
    const WavAudio read = decodeWav(bytes, "cut.wav");
    EXPECT_EQ(read.interleaved, (std::vector<float>{0.1f, 0.2f, 0.3f, 0.4f}));
}

TEST(WavFile, RefusesWhatItCannotRead)
{
    const std::vector<uint8_t> good = encodeFloatWav(WavAudio{1, 44100, {0.5f}});
    // Offsets into the plain float header: format tag 20, channels 22, bits 34, "data" tag 50.
    const auto changed = [&](size_t at, std::vector<uint8_t> with) {
        std::vector<uint8_t> bytes = good;
        std::copy(with.begin(), with.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at));
        return bytes;
    };
    const struct {
        const char* what;
        std::vector<uint8_t> bytes;
    } cases[] = {
        {"empty", {}},
        {"not RIFF", changed(0, {'R', 'I', 'F', 'X'})},
        {"not WAVE", changed(8, {'A', 'I', 'F', 'F'})},
        {"a-law", changed(20, {6, 0})},
        {"64-bit float", changed(34, {64, 0})},
        {"8-bit PCM", changed(20, {1, 0, 1, 0, 0x44, 0xAC, 0, 0, 0x44, 0xAC, 0, 0, 1, 0, 8, 0})},
        {"no channels", changed(22, {0, 0})},
        {"no data chunk", changed(50, {'j', 'u', 'n', 'k'})},
        {"data before format", changed(12, {'j', 'u', 'n', 'k'})},
    };
    for (const auto& c : cases) {
        EXPECT_THROW(decodeWav(c.bytes, "bad.wav"), ToolError) << c.what;
    }
}

}  // namespace
}  // namespace fendwick
