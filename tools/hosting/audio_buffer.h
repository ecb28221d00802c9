// Planar 32-bit float audio: one contiguous run of samples per channel.
#pragma once

#include <cstddef>
#include <vector>

namespace fendwick {

// Channels of equal length, zeroed at construction. Plug-ins receive
// `channel(c) + offset` pointers block by block.
class AudioBuffer {
public:
    AudioBuffer() = default;
    AudioBuffer(int channels, size_t frames);

    int channels() const { return channels_; }
    size_t frames() const { return frames_; }
    float* channel(int index) { return samples_.data() + static_cast<size_t>(index) * frames_; }
    const float* channel(int index) const { return samples_.data() + static_cast<size_t>(index) * frames_; }

private:
    int channels_ = 0;
    size_t frames_ = 0;
    std::vector<float> samples_;
};

}  // namespace fendwick
