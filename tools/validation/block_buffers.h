// One block's channels, set up once, so that a run of process calls allocates nothing between them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace fendwick {

class HostedPlugin;

// Input and output channels of `frames` frames for the plug-in's counts of
// channels, with the pointer arrays the process entries take. Used by one
// thread at a time.
class BlockBuffers {
public:
    BlockBuffers(const HostedPlugin& plugin, int32_t frames);

    int32_t frames() const { return frames_; }
    // Fresh white noise at `peak` in every input channel (silence for 0).
    void fill(float peak, uint32_t noiseStart);
    // One call of the replacing entry, or of the accumulating one onto what the outputs hold.
    void process(HostedPlugin& plugin, bool accumulating = false);
    // Whether every output sample is a finite number.
    bool outputFinite() const;
    const std::vector<float>& output(int channel) const { return outputs_[static_cast<size_t>(channel)]; }

private:
    int32_t frames_;
    std::vector<std::vector<float>> inputs_;
    std::vector<std::vector<float>> outputs_;
    std::vector<float*> inputPointers_;
    std::vector<float*> outputPointers_;
};

}  // namespace fendwick
