// Which channels of a file feed which inputs of a plug-in.
#pragma once

#include "audio_buffer.h"

#include <cstddef>
#include <optional>
#include <string>

namespace fendwick {

// Decided once per render from the file's and the plug-in's channel counts:
// `--channel N` (1-based) or `--mix` first reduce the file to one channel;
// then equal counts map one to one, one channel feeds every input, and a
// plug-in with more inputs than channels gets silence on the rest. More
// channels than inputs, or a plug-in without inputs, throw `ToolError` with
// the way out.
class ChannelRouting {
public:
    ChannelRouting(int fileChannels, int pluginInputs, std::optional<int> pickedChannel, bool mix);

    // Deinterleaves `frames` frames into the first frames of `inputs`, which
    // has the plug-in's input count of channels.
    void route(const float* interleaved, size_t frames, AudioBuffer& inputs) const;
    // In words, for the summary: "left channel to 1 input", "2 channels to 2 inputs".
    std::string description() const;

private:
    int fileChannels_;
    int pluginInputs_;
    std::optional<int> picked_;
    bool mix_;
};

}  // namespace fendwick
