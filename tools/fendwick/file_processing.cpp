// Running a sound file through a plug-in for what the plug-in shows.
#include "file_processing.h"

#include "audio_buffer.h"
#include "channel_routing.h"
#include "hosted_plugin.h"
#include "sound_file.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace fendwick {

void processFile(HostedPlugin& plugin, SoundFile& file, int blockSize,
                 const std::function<void(uint64_t firstFrame)>& afterCall, uint64_t frameLimit)
{
    const bool mix = plugin.numInputs() == 1 && file.channels() > 1;
    const ChannelRouting routing(file.channels(), plugin.numInputs(), std::nullopt, mix);
    // Whole calls to a read: one file read serves many calls of a small block.
    constexpr size_t kFramesPerRead = 4096;
    const auto block = static_cast<size_t>(blockSize);
    const size_t chunk = (kFramesPerRead + block - 1) / block * block;
    std::vector<float> interleaved(chunk * static_cast<size_t>(file.channels()));
    AudioBuffer inputs(plugin.numInputs(), chunk);
    AudioBuffer outputs(std::max(plugin.numOutputs(), 1), chunk);
    std::vector<float*> inputPointers(static_cast<size_t>(inputs.channels()));
    std::vector<float*> outputPointers(static_cast<size_t>(outputs.channels()));
    uint64_t done = 0;
    while (done < frameLimit) {
        const size_t frames = file.read(interleaved.data(), static_cast<size_t>(std::min<uint64_t>(chunk, frameLimit - done)));
        if (frames == 0) {
            break;
        }
        routing.route(interleaved.data(), frames, inputs);
        for (size_t offset = 0; offset < frames; offset += block) {
            for (int c = 0; c < inputs.channels(); ++c) {
                inputPointers[static_cast<size_t>(c)] = inputs.channel(c) + offset;
            }
            for (int c = 0; c < outputs.channels(); ++c) {
                outputPointers[static_cast<size_t>(c)] = outputs.channel(c) + offset;
            }
            const size_t count = std::min(block, frames - offset);
            plugin.processReplacing(inputPointers.data(), outputPointers.data(), static_cast<int32_t>(count));
            if (afterCall) {
                afterCall(done + offset);
            }
        }
        done += frames;
    }
}

}  // namespace fendwick
