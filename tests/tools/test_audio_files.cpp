// Whole-file audio input and output for tests.
#include "test_audio_files.h"

#include <sndfile.h>

#include <vector>

namespace fendwick::test {

void writeAudioFile(const std::string& path, const AudioBuffer& audio, int sampleRateHz, int format)
{
    SF_INFO info{};
    info.channels = audio.channels();
    info.samplerate = sampleRateHz;
    info.format = format;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (file == nullptr) {
        return;
    }
    const auto channels = static_cast<size_t>(audio.channels());
    std::vector<float> interleaved(audio.frames() * channels);
    for (size_t c = 0; c < channels; ++c) {
        for (size_t i = 0; i < audio.frames(); ++i) {
            interleaved[i * channels + c] = audio.channel(static_cast<int>(c))[i];
        }
    }
    sf_writef_float(file, interleaved.data(), static_cast<sf_count_t>(audio.frames()));
    sf_close(file);
}

AudioFile readAudioFile(const std::string& path)
{
    AudioFile result;
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (file == nullptr) {
        return result;
    }
    const auto channels = static_cast<size_t>(info.channels);
    std::vector<float> interleaved(static_cast<size_t>(info.frames) * channels);
    const auto frames = static_cast<size_t>(sf_readf_float(file, interleaved.data(), info.frames));
    sf_close(file);
    result.audio = AudioBuffer(info.channels, frames);
    for (size_t c = 0; c < channels; ++c) {
        for (size_t i = 0; i < frames; ++i) {
            result.audio.channel(static_cast<int>(c))[i] = interleaved[i * channels + c];
        }
    }
    result.sampleRateHz = info.samplerate;
    result.format = info.format;
    return result;
}

}  // namespace fendwick::test
