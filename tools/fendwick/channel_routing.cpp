// Routing file channels to plug-in inputs.
#include "channel_routing.h"

#include "tool_error.h"
#include "usage_error.h"

#include <algorithm>

namespace fendwick {
namespace {

std::string counted(int count, const char* thing)
{
    return std::to_string(count) + " " + thing + (count == 1 ? "" : "s");
}

}  // namespace

ChannelRouting::ChannelRouting(int fileChannels, int pluginInputs, std::optional<int> pickedChannel, bool mix)
    : fileChannels_(fileChannels), pluginInputs_(pluginInputs), mix_(mix)
{
    if (pickedChannel && mix) {
        throw UsageError("--channel and --mix exclude each other");
    }
    if (pickedChannel) {
        if (*pickedChannel < 1 || *pickedChannel > fileChannels) {
            throw ToolError("--channel " + std::to_string(*pickedChannel) + ": the file has " +
                            counted(fileChannels, "channel"));
        }
        picked_ = *pickedChannel - 1;
    }
    if (pluginInputs < 1) {
        throw ToolError("the plug-in takes no audio input");
    }
    const int sourceChannels = picked_ || mix_ ? 1 : fileChannels;
    if (sourceChannels > pluginInputs) {
        std::string advice = "the plug-in takes " + counted(pluginInputs, "input") + " but the file has " +
                             counted(fileChannels, "channel");
        if (pluginInputs == 1) {
            advice += "; choose one with --channel N (1 = left) or feed their mix with --mix";
        } else {
            advice += "; feed one of them with --channel N or their mix with --mix";
        }
        throw ToolError(advice);
    }
}

void ChannelRouting::route(const float* interleaved, size_t frames, AudioBuffer& inputs) const
{
    const auto stride = static_cast<size_t>(fileChannels_);
    if (picked_ || mix_) {
        float* mono = inputs.channel(0);
        if (picked_) {
            const auto channel = static_cast<size_t>(*picked_);
            for (size_t i = 0; i < frames; ++i) {
                mono[i] = interleaved[i * stride + channel];
            }
        } else {
            const float scale = 1.0f / static_cast<float>(fileChannels_);
            for (size_t i = 0; i < frames; ++i) {
                float sum = 0.0f;
                for (size_t c = 0; c < stride; ++c) {
                    sum += interleaved[i * stride + c];
                }
                mono[i] = sum * scale;
            }
        }
        for (int c = 1; c < pluginInputs_; ++c) {
            std::copy(mono, mono + frames, inputs.channel(c));
        }
        return;
    }
    for (int c = 0; c < pluginInputs_; ++c) {
        float* out = inputs.channel(c);
        if (fileChannels_ == 1) {
            std::copy(interleaved, interleaved + frames, out);
        } else if (c < fileChannels_) {
            for (size_t i = 0; i < frames; ++i) {
                out[i] = interleaved[i * stride + static_cast<size_t>(c)];
            }
        } else {
            std::fill(out, out + frames, 0.0f);
        }
    }
}

std::string ChannelRouting::description() const
{
    const std::string inputs = counted(pluginInputs_, "input");
    if (picked_) {
        return "channel " + std::to_string(*picked_ + 1) + " of " + std::to_string(fileChannels_) + " to " + inputs;
    }
    if (mix_) {
        return "mix of " + counted(fileChannels_, "channel") + " to " + inputs;
    }
    if (fileChannels_ < pluginInputs_ && fileChannels_ > 1) {
        return counted(fileChannels_, "channel") + " to " + inputs + " (the rest silent)";
    }
    return counted(fileChannels_, "channel") + " to " + inputs;
}

}  // namespace fendwick
