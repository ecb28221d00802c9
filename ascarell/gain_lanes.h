// The compressor's gain law and output stage for a block of frames, in
// vectors of 4 (SSE2) or 16 (AVX-512) lanes of the compiler's generic vector
// types; built only where the x86 vector paths are.
#pragma once

#include "gain_law.h"
#include "knee_curve.h"
#include "lane_types.h"

#include <cstdint>
#include <cstring>

namespace fendwick {

// A block of frames between their detection and their output.
struct GainBlock {
    static constexpr int32_t kFrames = 16;
    alignas(64) float level[2][kFrames];  // detected level before the knee, per channel
    alignas(64) float feed[2][kFrames];   // detector input per channel, 0 while muted
    alignas(64) int32_t open[kFrames];    // non-zero where the gate let the frame through
};

// Vectors of Width lanes, which the AVX-512 loop compiles to 512-bit
// operations.
template <int Width>
struct GainVectors {
    using Floats = typename LaneTypes<Width>::Floats;
    using Ints = typename LaneTypes<Width>::Ints;
    using Bits = typename LaneTypes<Width>::Bits;

    // The knee, the gain law and the output of the Width frames of the block
    // from frame `first` on; outputs point at the block's first frame.
    template <int Channels, bool Accumulate>
    static void apply(const GainBlock& block, const GainLaw& law, float* const* outputs, int32_t first)
    {
        Floats e[2] = {};
        Floats feed[2] = {};
        Floats out[2] = {};
        Ints open;
        std::memcpy(&open, &block.open[first], sizeof(Ints));
        for (int ch = 0; ch < Channels; ++ch) {
            std::memcpy(&e[ch], &block.level[ch][first], sizeof(Floats));
            std::memcpy(&feed[ch], &block.feed[ch][first], sizeof(Floats));
            if (Accumulate) {
                std::memcpy(&out[ch], outputs[ch] + first, sizeof(Floats));
            }
            applyKnee(e[ch], law.knee);
        }
        GainOutput<Floats, Ints, Bits>::template apply<Channels, Accumulate>(law, e, feed, open, out);
        for (int ch = 0; ch < Channels; ++ch) {
            std::memcpy(outputs[ch] + first, &out[ch], sizeof(Floats));
        }
    }
};

}  // namespace fendwick
