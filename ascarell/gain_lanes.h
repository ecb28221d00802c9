// The compressor's gain law and output stage for a block of frames, in
// vectors of 4 (SSE2) or 16 (AVX-512) lanes: the same arithmetic as the
// per-frame law, without branches.
#pragma once

#include "sample_guards.h"

#include <cstdint>
#include <cstring>

namespace fendwick {

// What the gain law reads, once per block of the host.
struct GainLaw {
    float threshold;  // linear amplitude
    float blend;      // the ratio's gain blend: 1 no gain change, 0 level held at the threshold
    float knee;       // knee blend 0 (hard) to 1 (soft)
    float gainOut;    // 2 x the OutLevel parameter (0.5 is 0 dB)
};

// A block of frames between their detection and their output.
struct GainBlock {
    static constexpr int32_t kFrames = 16;
    alignas(64) float level[2][kFrames];  // detected level before the knee, per channel
    alignas(64) float feed[2][kFrames];   // detector input per channel, 0 while muted
    alignas(64) int32_t open[kFrames];    // non-zero where the gate let the frame through
};

// Vectors of Width lanes in the compiler's generic vector types, which the
// AVX-512 loop compiles to 512-bit operations.
template <int Width>
struct GainVectors {
    typedef float Floats __attribute__((vector_size(4 * Width)));
    typedef int32_t Ints __attribute__((vector_size(4 * Width)));

    // Zero and denormals (all exponent bits clear) become 0.0. In place:
    // a 64-byte vector passed by value would change the calling convention
    // between the SSE2 and the AVX-512 code.
    static void flushToZero(Floats& x)
    {
        const Ints exponent = (Ints)x & static_cast<int32_t>(kFloatExponentBits);
        x = exponent == 0 ? Floats{} : x;
    }

    // The gain law and the output of the Width frames of the block from
    // frame `first` on; outputs point at the block's first frame.
    template <int Channels, bool Accumulate>
    static void apply(const GainBlock& block, const GainLaw& law, float* const* outputs, int32_t first)
    {
        Floats c[2];
        for (int ch = 0; ch < Channels; ++ch) {
            std::memcpy(&c[ch], &block.level[ch][first], sizeof(Floats));
        }
        // Knee blend: c(1 - knee) + knee x (1.75c - 0.75c^2 below 1, else c).
        const float kneeRest = 1.0f - law.knee;
        Floats e[2];
        for (int ch = 0; ch < Channels; ++ch) {
            const Floats curved = 1.75f * c[ch] - 0.75f * c[ch] * c[ch];
            const Floats shaped = c[ch] < 1.0f ? curved : c[ch];
            e[ch] = c[ch] * kneeRest + shaped * law.knee;
        }
        // 1 while every detector is below the threshold, else the gain
        // g = t / m of the louder one (m), blended toward 1; both channels
        // take it. Tested level by level, as a NaN level is neither below
        // nor the louder: the right level decides once the left is below.
        Floats m = e[0];
        Floats deciding = e[0];
        if constexpr (Channels == 2) {
            m = e[0] >= e[1] ? e[0] : e[1];
            deciding = e[0] < law.threshold ? e[1] : e[0];
        }
        Floats g = law.threshold / m;
        flushToZero(g);
        Floats blended = g + (1.0f - g) * law.blend;
        flushToZero(blended);
        const Floats gain = deciding < law.threshold ? 1.0f : blended;

        Ints open;
        std::memcpy(&open, &block.open[first], sizeof(Ints));
        for (int ch = 0; ch < Channels; ++ch) {
            Floats feed;
            std::memcpy(&feed, &block.feed[ch][first], sizeof(Floats));
            Floats y = gain * feed;
            flushToZero(y);
            y = y * law.gainOut;
            Floats out;
            if (Accumulate) {
                // Muted frames keep what they hold.
                std::memcpy(&out, outputs[ch] + first, sizeof(Floats));
                out = open != 0 ? out + y : out;
            } else {
                out = open != 0 ? y : 0.0f;
            }
            std::memcpy(outputs[ch] + first, &out, sizeof(Floats));
        }
    }
};

}  // namespace fendwick
