// Filling and processing one block's channels.
#include "block_buffers.h"

#include "hosted_plugin.h"
#include "noise_generator.h"

#include <algorithm>
#include <cmath>

namespace fendwick {
namespace {

// The entries take one pointer even for no channel.
size_t pointerCount(int32_t channels)
{
    return static_cast<size_t>(std::max(channels, 1));
}

}  // namespace

BlockBuffers::BlockBuffers(const HostedPlugin& plugin, int32_t frames)
    : frames_(frames),
      inputs_(static_cast<size_t>(std::max(plugin.numInputs(), 0)), std::vector<float>(static_cast<size_t>(frames))),
      outputs_(static_cast<size_t>(std::max(plugin.numOutputs(), 0)), std::vector<float>(static_cast<size_t>(frames))),
      inputPointers_(pointerCount(plugin.numInputs()), nullptr),
      outputPointers_(pointerCount(plugin.numOutputs()), nullptr)
{
    for (size_t c = 0; c < inputs_.size(); ++c) {
        inputPointers_[c] = inputs_[c].data();
    }
    for (size_t c = 0; c < outputs_.size(); ++c) {
        outputPointers_[c] = outputs_[c].data();
    }
}

void BlockBuffers::fill(float peak, uint32_t noiseStart)
{
    for (size_t c = 0; c < inputs_.size(); ++c) {
        NoiseGenerator noise(noiseStart + static_cast<uint32_t>(c) * 7919u);
        for (float& sample : inputs_[c]) {
            sample = peak * noise.next();
        }
    }
}

void BlockBuffers::process(HostedPlugin& plugin, bool accumulating)
{
    if (accumulating) {
        plugin.processAccumulating(inputPointers_.data(), outputPointers_.data(), frames_);
    } else {
        plugin.processReplacing(inputPointers_.data(), outputPointers_.data(), frames_);
    }
}

bool BlockBuffers::outputFinite() const
{
    return std::all_of(outputs_.begin(), outputs_.end(), [](const std::vector<float>& channel) {
        return std::all_of(channel.begin(), channel.end(), [](float sample) { return std::isfinite(sample); });
    });
}

}  // namespace fendwick
