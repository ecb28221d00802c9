// The finite-output check every fuzzed process call ends with.
#include "output_check.h"

#include <cmath>

namespace fendwick {

std::optional<std::string> nonFiniteOutput(float* const* outputs, int32_t channels, int32_t frames)
{
    for (int32_t c = 0; c < channels; ++c) {
        for (int32_t i = 0; i < frames; ++i) {
            const float sample = outputs[c][i];
            if (!std::isfinite(sample)) {
                return "output " + std::to_string(c) + " frame " + std::to_string(i) + " is " +
                       (std::isnan(sample) ? "nan" : "infinite");
            }
        }
    }
    return std::nullopt;
}

}  // namespace fendwick
