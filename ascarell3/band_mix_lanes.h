// The band gains and the mix of the three-band compressor for a block of
// frames, in vectors of 4 (SSE2) or 16 (AVX-512) lanes of the compiler's
// generic vector types; built only where the x86 vector paths are.
#pragma once

#include "ascarell3_parameters.h"
#include "gain_law.h"
#include "knee_curve.h"
#include "lane_types.h"
#include "multiband_frame_loop.h"

#include <cstdint>
#include <cstring>

namespace fendwick {

// A block of frames between their detection and their output, per band in
// the order Hi, Mid, Lo.
struct BandBlock {
    static constexpr int32_t kFrames = 16;
    alignas(64) float level[kMultibandBandCount][2][kFrames];   // detected level before the knee
    alignas(64) float sample[kMultibandBandCount][2][kFrames];  // band sample, 0 while muted
    alignas(64) int32_t open[kFrames];                          // non-zero where the gate let the frame through
};

// What the mix reads of one band, once per block.
struct BandMixLaw {
    float threshold;  // linear amplitude
    float slope;      // S of the ratio: 1 no gain change
    float knee;       // knee blend 0 (hard) to 1 (soft)
    float inputGain;  // linear, weighs the band in the mix
    bool compressed;  // Comp on: the band takes its gain
    bool powered;     // PW on: the band is heard
};

inline BandMixLaw bandMixLaw(const MultibandBlockSettings& settings, int32_t band)
{
    const BandSettings& s = settings.bands[band];
    return {s.threshold, s.slope, settings.detectors[band][0].knee, s.inputGain, s.compression > 0.5f,
            s.power > 0.5f};
}

// Vectors of Width lanes, which the AVX-512 loop compiles to 512-bit
// operations.
template <int Width>
struct BandMixVectors {
    using Floats = typename LaneTypes<Width>::Floats;
    using Ints = typename LaneTypes<Width>::Ints;
    using Bits = typename LaneTypes<Width>::Bits;

    // The knee, the gain, the band switches and the mix of the Width frames
    // of the block from frame `first` on; outputs point at the block's
    // first frame. A band's level counts only where the band is compressed.
    template <int Channels, bool Accumulate>
    static void apply(const BandBlock& block, const BandMixLaw (&laws)[kMultibandBandCount], float gainOut,
                      float* const* outputs, int32_t first)
    {
        Floats weighted[kMultibandBandCount][2] = {};
        for (int32_t b = 0; b < kMultibandBandCount; ++b) {
            const BandMixLaw& law = laws[b];
            Floats sample[2] = {};
            Floats out[2] = {};
            for (int c = 0; c < Channels; ++c) {
                std::memcpy(&sample[c], &block.sample[b][c][first], sizeof(Floats));
                out[c] = sample[c];
            }
            if (law.compressed) {
                Floats e[2] = {};
                for (int c = 0; c < Channels; ++c) {
                    std::memcpy(&e[c], &block.level[b][c][first], sizeof(Floats));
                    applyKnee(e[c], law.knee);
                }
                Floats gain;
                GainOutput<Floats, Ints, Bits>::template linkedGain<Channels>(law.threshold, law.slope, e, gain);
                for (int c = 0; c < Channels; ++c) {
                    out[c] = gain * sample[c];
                    flushToZeroInPlace<Bits>(out[c]);
                }
            }
            for (int c = 0; c < Channels; ++c) {
                weighted[b][c] = (law.powered ? out[c] : Floats{}) * law.inputGain;
            }
        }
        constexpr auto kHi = static_cast<int32_t>(MultibandBand::hi);
        constexpr auto kMid = static_cast<int32_t>(MultibandBand::mid);
        constexpr auto kLo = static_cast<int32_t>(MultibandBand::lo);
        Ints open;
        std::memcpy(&open, &block.open[first], sizeof(Ints));
        for (int c = 0; c < Channels; ++c) {
            Floats y = weighted[kLo][c] + weighted[kHi][c] + weighted[kMid][c];
            flushToZeroInPlace<Bits>(y);
            y = y * gainOut;
            Floats out;
            std::memcpy(&out, outputs[c] + first, sizeof(Floats));
            if constexpr (Accumulate) {
                out = open != 0 ? out + y : out;
            } else {
                out = open != 0 ? y : 0.0f;
            }
            std::memcpy(outputs[c] + first, &out, sizeof(Floats));
        }
    }
};

}  // namespace fendwick
