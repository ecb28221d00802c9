// Reads a sound file the way `fendwick render` reads it and runs the start of it through a plug-in.
#pragma once

#include <optional>
#include <string>

namespace fendwick {

class HostedPlugin;

// The plug-in the file-reading fuzzer feeds, as the build chose it.
constexpr char kSoundFilePlugin[] = FENDWICK_SOUND_FILE_PLUGIN;
// Enough frames for a few blocks; a header promising hours stays cheap.
constexpr int kSoundFileMostFrames = 2048;

// Opens `path` with render's reader, prepares the fresh `plugin` at the
// file's sample rate and processes up to kSoundFileMostFrames frames in
// render's routing. A file the reader refuses (a ToolError) is no finding;
// an output sample that is NaN or infinite is, answered in words.
std::optional<std::string> playSoundFile(HostedPlugin& plugin, const std::string& path);

}  // namespace fendwick
