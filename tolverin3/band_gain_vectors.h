// The band gains and the band mix of the three-band character compressor
// over a chunk of frames, in vectors of 4 (SSE2) or 16 (AVX-512) lanes of
// the compiler's generic vector types, as compressCharacterBand gives them.
#pragma once

#include "ascarell3_parameters.h"
#include "character_band_settings.h"
#include "compressor_gain.h"
#include "gain_softening.h"
#include "lane_reach.h"
#include "lane_types.h"
#include "multiband_character_scalar_frames.h"
#include "sample_guards.h"

#include <cstdint>
#include <cstring>

namespace fendwick {

// A chunk of frames between the band detectors and the mix, per band in the
// order Hi, Mid, Lo, all linear amplitude.
struct BandChunk {
    static constexpr int32_t kFrames = 32;
    alignas(64) float sample[kMultibandBandCount][kFrames];  // the band sample
    alignas(64) float level[kMultibandBandCount][kFrames];   // its detector's level, where the band is compressed
    alignas(64) float gain[kMultibandBandCount][kFrames];    // the shaped gain, 1.0 silent or uncompressed
    alignas(64) float share[kMultibandBandCount][kFrames];   // the band's output times its band gain
    alignas(64) float mix[kFrames];                          // the sum of the shares
};

template <int Width>
struct BandGainVectors {
    using Floats = typename LaneTypes<Width>::Floats;
    using Bits = typename LaneTypes<Width>::Bits;
    static_assert(BandChunk::kFrames % Width == 0, "a chunk is whole vectors");

    // Loads and curves work in place: a 64-byte vector returned by value
    // would change the calling convention between code built with and
    // without AVX-512.
    static void load(Floats& v, const float* x) { std::memcpy(&v, x, sizeof v); }

    static void store(float* x, const Floats& v) { std::memcpy(x, &v, sizeof v); }

    // Gain and share of band b over the Width frames from `first` on.
    static void compress(const CharacterBandSettings& s, BandChunk& c, int32_t b, int32_t first)
    {
        const Floats one = Floats{} + 1.0f;
        Floats sample;
        load(sample, &c.sample[b][first]);
        const bool powered = s.power > 0.5f;
        Floats out = powered ? sample : Floats{};
        Floats h = one;
        if (s.compression > 0.5f && powered) {
            Floats level;
            load(level, &c.level[b][first]);
            // Below the threshold the gain stays 1.0, which Type keeps.
            if (anyLaneReaches(level, s.threshold)) {
                gainAboveThreshold<Bits>(s.threshold, s.slope, level, h);
                h = level >= s.threshold ? h : one;
                if (s.type < 0.5f) {
                    reduceGain<VectorLanes<Width>>(h, h);
                }
            }
            out = h * sample;
            flushToZeroInPlace<Bits>(out);
        }
        store(&c.gain[b][first], h);
        store(&c.share[b][first], out * s.inputGain);
    }

    // Every band and the mix over the Width frames from `first` on.
    static void mix(const MultibandCharacterBlockSettings& s, BandChunk& c, int32_t first)
    {
        for (int32_t b = 0; b < kMultibandBandCount; ++b) {
            compress(s.bands[b], c, b, first);
        }
        constexpr auto kHi = static_cast<int32_t>(MultibandBand::hi);
        constexpr auto kMid = static_cast<int32_t>(MultibandBand::mid);
        constexpr auto kLo = static_cast<int32_t>(MultibandBand::lo);
        Floats hi;
        Floats mid;
        Floats lo;
        load(hi, &c.share[kHi][first]);
        load(mid, &c.share[kMid][first]);
        load(lo, &c.share[kLo][first]);
        Floats u = hi + mid + lo;
        flushToZeroInPlace<Bits>(u);
        store(&c.mix[first], u);
    }
};

// The gains, shares and mix of the chunk's frames (whole vectors: the lanes
// past them hold what is left there, which nothing reads).
template <int Width>
inline void mixBands(const MultibandCharacterBlockSettings& s, BandChunk& c, int32_t frames)
{
    for (int32_t first = 0; first < frames; first += Width) {
        BandGainVectors<Width>::mix(s, c, first);
    }
}

}  // namespace fendwick
