// The channel counts of the character compressor's two builds.
#pragma once

#include <cstdint>

namespace fendwick {

enum class CharacterChannels : int32_t { mono = 1, stereo = 2 };

}  // namespace fendwick
