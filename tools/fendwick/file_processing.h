// Running a sound file through a plug-in for what the plug-in shows, its audio thrown away.
#pragma once

#include <cstdint>
#include <functional>

namespace fendwick {

class HostedPlugin;
class SoundFile;

// Feeds the frames of `file`, at most `frameLimit` of them, to the prepared
// and resumed plug-in through its replacing entry, in calls of `blockSize`
// frames (the last one shorter), and calls `afterCall` with the first frame
// of each call once it returns. A plug-in with one input gets the mix of a file's channels; a
// file with more channels than a plug-in of more inputs takes throws
// `ToolError`.
void processFile(HostedPlugin& plugin, SoundFile& file, int blockSize,
                 const std::function<void(uint64_t firstFrame)>& afterCall = {},
                 uint64_t frameLimit = UINT64_MAX);

}  // namespace fendwick
