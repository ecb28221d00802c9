// Writing and reading the audio files the render and demo tests use.
#pragma once

#include "audio_buffer.h"

#include <string>

namespace fendwick::test {

struct AudioFile {
    AudioBuffer audio;
    int sampleRateHz = 0;
    int format = 0;
};

// Writes planar `audio` with a libsndfile format code (SF_FORMAT_WAV | SF_FORMAT_FLOAT, ...).
void writeAudioFile(const std::string& path, const AudioBuffer& audio, int sampleRateHz, int format);

// Reads a whole file; an empty buffer when it cannot be read.
AudioFile readAudioFile(const std::string& path);

}  // namespace fendwick::test
