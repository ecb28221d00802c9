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
template <int Width>
class BandEnvelopeLanes {
public:
    using Floats = LaneTypes<4>::Floats;
    using Ints = LaneTypes<4>::Ints;

    BandEnvelopeLanes(const LevelDetector (&detectors)[kMultibandBandCount],
                      const CharacterBandSettings (&bands)[kMultibandBandCount])
    {
        alignas(32) float lanes[3][kLanes] = {};  // env, attack, release
        alignas(32) int32_t masks[2][kLanes] = {};  // live, kept
        for (int32_t b = 0; b < kMultibandBandCount; ++b) {
            const LevelDetector& d = detectors[b];
            const EnvelopeTiming& t = d.coefficients();
            const bool stepped = bands[b].compression > 0.5f;
            lanes[0][b] = d.fastEnvelope();
            lanes[0][kSlow + b] = d.slowEnvelope();
            lanes[1][b] = lanes[1][kSlow + b] = t.attack();
            lanes[2][b] = d.manualRelease() ? t.release() : t.fastRelease();
            lanes[2][kSlow + b] = t.slowRelease();
            masks[0][b] = stepped ? -1 : 0;
            masks[0][kSlow + b] = stepped && !d.manualRelease() ? -1 : 0;
            masks[1][b] = masks[1][kSlow + b] = stepped ? 0 : -1;
            manual[b] = d.manualRelease() ? -1 : 0;
        }
        std::memcpy(env, lanes[0], sizeof env);
        std::memcpy(attack, lanes[1], sizeof attack);
        std::memcpy(release, lanes[2], sizeof release);
        std::memcpy(live, masks[0], sizeof live);
        std::memcpy(kept, masks[1], sizeof kept);
    }

    void keepIn(LevelDetector (&detectors)[kMultibandBandCount]) const
    {
        alignas(32) float lanes[kLanes];
        std::memcpy(lanes, env, sizeof lanes);
        for (int32_t b = 0; b < kMultibandBandCount; ++b) {
            detectors[b].keepEnvelopes(lanes[b], lanes[kSlow + b]);
        }
    }

    // One frame's band samples in, their detected levels out (lanes of
    // unstepped bands hold no level). The flush almost never changes a
    // lane, so it sits behind a branch the processor predicts, off the
    // envelopes' dependency chain; the values are those of the flushed step.
    Floats step(Floats band)
    {
        const Floats magnitude = band < 0.0f ? -band : band;
        Packed a;
        if constexpr (Width == 8) {
            a = __builtin_shufflevector(magnitude, magnitude, 0, 1, 2, 3, 0, 1, 2, 3);
        } else {
            a = magnitude;
        }
        Packed next[kPieces];
        for (int32_t p = 0; p < kPieces; ++p) {
            next[p] = a >= env[p] ? a + (env[p] - a) * attack[p] : env[p] * release[p];
        }
        if (__builtin_expect(anyFlushable(next), 0)) {
            for (Packed& n : next) {
                flushToZeroInPlace<PackedBits>(n);
            }
        }
        // Unstepped lanes keep their envelope; stepped slow lanes of manual release become 0.
        for (int32_t p = 0; p < kPieces; ++p) {
            env[p] = kept[p] != 0 ? env[p] : reinterpret_cast<Packed>(reinterpret_cast<PackedInts>(next[p]) & live[p]);
        }
        Floats fast;
        Floats slow;
        if constexpr (Width == 8) {
            fast = __builtin_shufflevector(env[0], env[0], 0, 1, 2, 3);
            slow = __builtin_shufflevector(env[0], env[0], 4, 5, 6, 7);
        } else {
            fast = env[0];
            slow = env[1];
        }
        return manual != 0 ? fast : (fast + slow) * 0.5f;
    }

private:
    static_assert(Width == 4 || Width == 8, "two vectors of four or one of eight");
    using Packed = typename LaneTypes<Width>::Floats;
    using PackedInts = typename LaneTypes<Width>::Ints;
    using PackedBits = typename LaneTypes<Width>::Bits;
    static constexpr int32_t kLanes = 8;
    static constexpr int32_t kPieces = kLanes / Width;
    static constexpr int32_t kSlow = 4;

    // Whether the flush turns any lane to +0.0: all exponent bits clear, not +0.0 already.
    static bool anyFlushable(const Packed (&x)[kPieces])
    {
        Ints either{};
        for (const Packed& piece : x) {
            const PackedBits bits = reinterpret_cast<const PackedBits&>(piece);
            const PackedInts flushable = (bits & kFloatExponentBits) == 0 && bits != 0;
            if constexpr (Width == 8) {
                either |= __builtin_shufflevector(flushable, flushable, 0, 1, 2, 3) |
                          __builtin_shufflevector(flushable, flushable, 4, 5, 6, 7);
            } else {
                either |= flushable;
            }
        }
        return _mm_movemask_ps(reinterpret_cast<__m128>(either)) != 0;
    }

    Packed env[kPieces];      // fast lanes, then slow lanes
    Packed attack[kPieces];
    Packed release[kPieces];  // fast lanes: the Release factor with manual release
    PackedInts live[kPieces];  // all bits set where a step keeps its value: stepped, and not a manual band's slow lane
    PackedInts kept[kPieces];  // all bits set in both lanes of bands not stepped
    Ints manual{};             // all bits set in the lanes of bands with manual release
};

}  // namespace fendwick
