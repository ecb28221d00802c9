// Block-wise processing of whole buffers.
#include "block_processing.h"

#include "hosted_plugin.h"

#include <algorithm>
#include <vector>

namespace fendwick {

void processReplacingInBlocks(HostedPlugin& plugin, AudioBuffer& input, AudioBuffer& output, int blockSize)
{
    std::vector<float*> inputs(static_cast<size_t>(std::max(plugin.numInputs(), 1)), nullptr);
    std::vector<float*> outputs(static_cast<size_t>(std::max(plugin.numOutputs(), 1)), nullptr);
    const size_t frames = std::min(input.frames(), output.frames());
    for (size_t offset = 0; offset < frames; offset += static_cast<size_t>(blockSize)) {
        const size_t count = std::min(frames - offset, static_cast<size_t>(blockSize));
        for (int c = 0; c < plugin.numInputs(); ++c) {
            inputs[static_cast<size_t>(c)] = input.channel(c) + offset;
        }
        for (int c = 0; c < plugin.numOutputs(); ++c) {
            outputs[static_cast<size_t>(c)] = output.channel(c) + offset;
        }
        plugin.processReplacing(inputs.data(), outputs.data(), static_cast<int32_t>(count));
    }
}

}  // namespace fendwick
