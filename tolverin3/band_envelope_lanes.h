// The level detectors of the three bands side by side in the lanes of one
// vector, stepped as LevelDetector::step steps each; included only where
// the x86 vector paths are built.
#pragma once

#include "ascarell3_parameters.h"
#include "character_band_settings.h"
#include "lane_types.h"
#include "level_detector.h"
#include "sample_guards.h"

#include <xmmintrin.h>

#include <cstdint>
#include <cstring>

namespace fendwick {

// Lanes {Hi, Mid, Lo, unused} of the fast (or manual) envelopes, then the
// same four of the slow envelopes of the automatic release: in one vector
// of eight where AVX is built (Width 8), so that a frame steps both
// envelopes of every band in one instruction, else in two vectors of four
// (Width 4). A band with manual release holds its slow lane at 0; a band
// whose compression is off is not stepped, so that its envelopes wait where
// they were, as its detector does. Made from the detectors once per block
// (their coefficients then hold for the block), stepped and kept back on
// the audio thread.
//
// The lanes of a band not stepped take the input 0 and the release factor
// 1, so that every step leaves them as they are (0 >= env only where env is
// 0, which the attack keeps at 0) and the recurrence needs no choice
// between stepped and waiting lanes.
template <int Width>
class BandEnvelopeLanes {
public:
    using Floats = LaneTypes<4>::Floats;
    using Ints = LaneTypes<4>::Ints;
    static constexpr int32_t kRunFrames = 4;

    BandEnvelopeLanes(const LevelDetector (&detectors)[kMultibandBandCount],
                      const CharacterBandSettings (&bands)[kMultibandBandCount])
    {
        alignas(32) float lanes[3][kLanes] = {};  // env, attack, release
        alignas(32) uint32_t masks[2][kLanes] = {};  // input, live
        for (int32_t b = 0; b < kMultibandBandCount; ++b) {
            const LevelDetector& d = detectors[b];
            const EnvelopeTiming& t = d.coefficients();
            const bool stepped = bands[b].compression > 0.5f;
            lanes[0][b] = d.fastEnvelope();
            lanes[0][kSlow + b] = d.slowEnvelope();
            lanes[1][b] = lanes[1][kSlow + b] = t.attack();
            lanes[2][b] = !stepped ? 1.0f : d.manualRelease() ? t.release() : t.fastRelease();
            lanes[2][kSlow + b] = !stepped ? 1.0f : t.slowRelease();
            masks[0][b] = masks[0][kSlow + b] = stepped ? kFloatMagnitudeBits : 0u;
            masks[1][b] = ~0u;
            masks[1][kSlow + b] = stepped && d.manualRelease() ? 0u : ~0u;
            manual[b] = d.manualRelease() ? -1 : 0;
        }
        std::memcpy(env, lanes[0], sizeof env);
        std::memcpy(attack, lanes[1], sizeof attack);
        std::memcpy(release, lanes[2], sizeof release);
        std::memcpy(input, masks[0], sizeof input);
        std::memcpy(live, masks[1], sizeof live);
    }

    void keepIn(LevelDetector (&detectors)[kMultibandBandCount]) const
    {
        alignas(32) float lanes[kLanes];
        std::memcpy(lanes, env, sizeof lanes);
        for (int32_t b = 0; b < kMultibandBandCount; ++b) {
            detectors[b].keepEnvelopes(lanes[b], lanes[kSlow + b]);
        }
    }

    // count frames (1 to kRunFrames) of band samples in, their detected
    // levels out (lanes of unstepped bands hold no level). The flush almost
    // never changes a lane, so a run goes without it and is taken again from
    // its start with it only where it would have changed one: the values are
    // those of the flushed steps either way.
    void run(const Floats (&bands)[kRunFrames], Floats (&levels)[kRunFrames], int32_t count)
    {
        Packed start[kPieces];
        Packed after[kRunFrames][kPieces];
        for (int32_t p = 0; p < kPieces; ++p) {
            start[p] = env[p];
        }
        for (int32_t k = 0; k < count; ++k) {
            step<false>(bands[k], after[k]);
        }
        if (__builtin_expect(anyFlushable(after, count), 0)) {
            for (int32_t p = 0; p < kPieces; ++p) {
                env[p] = start[p];
            }
            for (int32_t k = 0; k < count; ++k) {
                step<true>(bands[k], after[k]);
            }
        }
        for (int32_t k = 0; k < count; ++k) {
            Floats fast;
            Floats slow;
            if constexpr (Width == 8) {
                fast = __builtin_shufflevector(after[k][0], after[k][0], 0, 1, 2, 3);
                slow = __builtin_shufflevector(after[k][0], after[k][0], 4, 5, 6, 7);
            } else {
                fast = after[k][0];
                slow = after[k][1];
            }
            levels[k] = manual != 0 ? fast : (fast + slow) * 0.5f;
        }
    }

private:
    static_assert(Width == 4 || Width == 8, "two vectors of four or one of eight");
    using Packed = typename LaneTypes<Width>::Floats;
    using PackedInts = typename LaneTypes<Width>::Ints;
    using PackedBits = typename LaneTypes<Width>::Bits;
    static constexpr int32_t kLanes = 8;
    static constexpr int32_t kPieces = kLanes / Width;
    static constexpr int32_t kSlow = 4;

    // One frame: the magnitudes of the stepped lanes' samples, the
    // envelopes on, flushed where Flush asks; manual bands' slow lanes to 0.
    template <bool Flush>
    void step(const Floats& band, Packed (&out)[kPieces])
    {
        const PackedBits bits = reinterpret_cast<const PackedBits&>(band);
        PackedBits spread;
        if constexpr (Width == 8) {
            spread = __builtin_shufflevector(bits, bits, 0, 1, 2, 3, 0, 1, 2, 3);
        } else {
            spread = bits;
        }
        for (int32_t p = 0; p < kPieces; ++p) {
            const Packed a = reinterpret_cast<Packed>(spread & input[p]);
            Packed next = a >= env[p] ? a + (env[p] - a) * attack[p] : env[p] * release[p];
            if constexpr (Flush) {
                flushToZeroInPlace<PackedBits>(next);
            }
            env[p] = reinterpret_cast<Packed>(reinterpret_cast<PackedBits>(next) & live[p]);
            out[p] = env[p];
        }
    }

    // Whether the flush turns any lane of the first count frames to +0.0:
    // all exponent bits clear, not +0.0 already.
    static bool anyFlushable(const Packed (&x)[kRunFrames][kPieces], int32_t count)
    {
        Ints either{};
        for (int32_t k = 0; k < count; ++k) {
            for (const Packed& piece : x[k]) {
                const PackedBits bits = reinterpret_cast<const PackedBits&>(piece);
                const PackedInts flushable = (bits & kFloatExponentBits) == 0 && bits != 0;
                if constexpr (Width == 8) {
                    either |= __builtin_shufflevector(flushable, flushable, 0, 1, 2, 3) |
                              __builtin_shufflevector(flushable, flushable, 4, 5, 6, 7);
                } else {
                    either |= flushable;
                }
            }
        }
        return _mm_movemask_ps(reinterpret_cast<__m128>(either)) != 0;
    }

    Packed env[kPieces];       // fast lanes, then slow lanes
    Packed attack[kPieces];
    Packed release[kPieces];   // fast lanes: the Release factor with manual release; 1 in lanes not stepped
    PackedBits input[kPieces];  // the magnitude bits of a stepped lane's sample, none of one not stepped
    PackedBits live[kPieces];   // all bits but in the slow lanes of stepped bands with manual release
    Ints manual{};              // all bits set in the lanes of bands with manual release
};

}  // namespace fendwick
