// Choosing and naming libsndfile formats (container and encoding).
#pragma once

#include <optional>
#include <string>

namespace fendwick {

// The format to write: the input's container and encoding unless a container
// name (wav, aiff, flac, ogg, caf, w64, rf64) or an encoding name (pcm16, pcm24,
// pcm32, float, double, vorbis) says otherwise. An input encoding the
// container cannot hold becomes 24-bit PCM (Vorbis in OGG). Unknown names throw
// `UsageError`; an explicit encoding the container refuses throws `ToolError`.
int chooseOutputFormat(int inputFormat, const std::optional<std::string>& containerName,
                       const std::optional<std::string>& encodingName, int channels, int sampleRateHz);

// The container a file name's extension names ("flac" for "take.FLAC"), if it is one of those above.
std::optional<std::string> containerNamedBy(const std::string& path);

// "WAV, 16-bit PCM" and the like.
std::string describeFormat(int format);

}  // namespace fendwick
