// Planar audio storage.
#include "audio_buffer.h"

namespace fendwick {

AudioBuffer::AudioBuffer(int channels, size_t frames)
    : channels_(channels), frames_(frames), samples_(static_cast<size_t>(channels) * frames, 0.0f)
{
}

}  // namespace fendwick
