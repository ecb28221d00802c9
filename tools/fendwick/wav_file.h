// WAV files read and written by the tool's own code, for the Windows build, which has no libsndfile.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace fendwick {

// Interleaved frames with full scale at 1.0.
struct WavAudio {
    int channels = 0;
    int sampleRateHz = 0;
    std::vector<float> interleaved;

    size_t frames() const { return channels > 0 ? interleaved.size() / static_cast<size_t>(channels) : 0; }
};

// Decodes a whole WAV file's bytes: 16-, 24- and 32-bit PCM and 32-bit float,
// plain or extensible. PCM is scaled by 1 / 2^(bits - 1). A data chunk cut
// short yields the whole frames that are there. Anything else throws
// `ToolError` naming `name`.
WavAudio decodeWav(const std::vector<uint8_t>& bytes, const std::string& name);

// The bytes of a 32-bit float WAV file holding `audio`, samples bit for bit.
std::vector<uint8_t> encodeFloatWav(const WavAudio& audio);

// File access around the two above; failures throw `ToolError`. A failed
// write leaves no file behind.
WavAudio readWavFile(const std::string& path);
void writeFloatWavFile(const std::string& path, const WavAudio& audio);

}  // namespace fendwick
