// Finding the first sample a plug-in put out that is not a finite number.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace fendwick {

// Looks at the first `frames` samples of each of `channels` outputs; names
// the first NaN or infinity ("output 1 frame 17 is nan") or answers nothing.
std::optional<std::string> nonFiniteOutput(float* const* outputs, int32_t channels, int32_t frames);

}  // namespace fendwick
