// Resource ids of the single-band editor's pictures.
#pragma once

#include <cstdint>

namespace fendwick {

namespace AscarellArtwork {
constexpr int32_t background = 10001;      // 545 x 139
constexpr int32_t stripButton = 10002;     // 529 x 42, two images
constexpr int32_t threshKnob = 10003;      // 51 x 4131, 81 frames
constexpr int32_t smallKnob = 10004;       // 32 x 2592, 81 frames
constexpr int32_t outLevelKnob = 10005;    // 51 x 4131, 81 frames
constexpr int32_t textDisplay = 10006;     // 190 x 17
constexpr int32_t arcSwitch = 10007;       // 29 x 22, two images
}  // namespace AscarellArtwork

}  // namespace fendwick
