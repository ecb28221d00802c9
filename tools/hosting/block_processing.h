// Running a whole buffer through a plug-in's replacing entry, block by block.
#pragma once

#include "audio_buffer.h"

namespace fendwick {

class HostedPlugin;

// Processes `input` into `output` in blocks of `blockSize` frames (the last
// one shorter), as a host calls the replacing entry. `input` needs at least
// the plug-in's input count of channels and `output` its output count; both
// the same length.
void processReplacingInBlocks(HostedPlugin& plugin, AudioBuffer& input, AudioBuffer& output, int blockSize);

}  // namespace fendwick
