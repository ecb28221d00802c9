// The level detectors of the three bands side by side in the lanes of
// generic vectors, stepped as LevelDetector::step steps each; included only
// where the x86 vector paths are built.
#pragma once

#include "ascarell3_parameters.h"
#include "character_band_settings.h"
#include "lane_types.h"
#include "level_detector.h"
#include "level_envelope_lanes.h"
#include "pair_mean.h"
#include "sample_guards.h"

#include <cstdint>
#include <cstring>

namespace fendwick {

// Lanes {Hi, Mid, Lo, unused} of the fast (or manual) envelopes in one
// vector of four, the same four of the slow envelopes of the automatic
// release in another. A band with manual release holds its slow lane at 0;
// a band whose compression is off is not stepped, so that its envelopes
// wait where they were, as its detector does. Made from the detectors once
// per block (their coefficients then hold for the block), stepped and kept
// back on the audio thread.
//
// The lanes of a band not stepped take the input 0 and the release factor
// 1, so that every step leaves them as they are (0 >= env only where env is
// 0, which the attack keeps at 0) and the recurrence needs no choice
// between stepped and waiting lanes.
class BandEnvelopeLanes {
public:
    using Floats = LaneTypes<4>::Floats;
    using Ints = LaneTypes<4>::Ints;
    using Bits = LaneTypes<4>::Bits;
    static constexpr int32_t kRunFrames = 4;

    BandEnvelopeLanes(const LevelDetector (&detectors)[kMultibandBandCount],
                      const CharacterBandSettings (&bands)[kMultibandBandCount])
    {
        alignas(16) float lanes[3][kPieces][4] = {};   // env, attack, release
        alignas(16) uint32_t masks[2][kPieces][4] = {};  // input, live
        for (int32_t b = 0; b < kMultibandBandCount; ++b) {
            const LevelDetector& d = detectors[b];
            const EnvelopeTiming& t = d.coefficients();
            const bool stepped = bands[b].compression > 0.5f;
            lanes[0][kFast][b] = d.fastEnvelope();
            lanes[0][kSlow][b] = d.slowEnvelope();
            lanes[1][kFast][b] = lanes[1][kSlow][b] = t.attack();
            lanes[2][kFast][b] = !stepped ? 1.0f : d.manualRelease() ? t.release() : t.fastRelease();
            lanes[2][kSlow][b] = !stepped ? 1.0f : t.slowRelease();
            masks[0][kFast][b] = masks[0][kSlow][b] = stepped ? kFloatMagnitudeBits : 0u;
            masks[1][kFast][b] = ~0u;
            masks[1][kSlow][b] = stepped && d.manualRelease() ? 0u : ~0u;
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
        alignas(16) float lanes[kPieces][4];
        std::memcpy(lanes, env, sizeof lanes);
        for (int32_t b = 0; b < kMultibandBandCount; ++b) {
            detectors[b].keepEnvelopes(lanes[kFast][b], lanes[kSlow][b]);
        }
    }

    // count frames (1 to kRunFrames) of band samples in, their detected
    // levels out (lanes of unstepped bands hold no level). The flush almost
    // never changes a lane, so a run goes without it and is taken again from
    // its start with it only where it would have changed one: the values are
    // those of the flushed steps either way.
    void run(const Floats (&bands)[kRunFrames], Floats (&levels)[kRunFrames], int32_t count)
    {
        Floats start[kPieces];
        Floats after[kPieces][kRunFrames];
        for (int32_t p = 0; p < kPieces; ++p) {
            start[p] = env[p];
        }
        for (int32_t k = 0; k < count; ++k) {
            step<false>(bands[k], after, k);
        }
        Ints flushable{};
        for (const auto& piece : after) {
            for (int32_t k = 0; k < count; ++k) {
                collectFlushable(piece[k], flushable);
            }
        }
        if (__builtin_expect((flushable[0] | flushable[1] | flushable[2] | flushable[3]) != 0, 0)) {
            for (int32_t p = 0; p < kPieces; ++p) {
                env[p] = start[p];
            }
            for (int32_t k = 0; k < count; ++k) {
                step<true>(bands[k], after, k);
            }
        }
        for (int32_t k = 0; k < count; ++k) {
            const Floats fast = after[kFast][k];
            // Chosen by bits, as the mask is one for the block.
            Floats average;
            meanOfPair<VectorLanes<4>>(fast, after[kSlow][k], average);
            levels[k] = reinterpret_cast<Floats>((reinterpret_cast<Ints>(fast) & manual) |
                                                 (reinterpret_cast<Ints>(average) & ~manual));
        }
    }

private:
    static constexpr int32_t kPieces = 2;
    static constexpr int32_t kFast = 0;
    static constexpr int32_t kSlow = 1;

    // One frame: the magnitudes of the stepped lanes' samples, the
    // envelopes on, flushed where Flush asks; manual bands' slow lanes to 0.
    template <bool Flush>
    void step(const Floats& band, Floats (&out)[kPieces][kRunFrames], int32_t k)
    {
        const auto bits = reinterpret_cast<Bits>(band);
        for (int32_t p = 0; p < kPieces; ++p) {
            const Floats a = reinterpret_cast<Floats>(bits & input[p]);
            Floats next;
            followEnvelopesUnflushed(a, env[p], attack[p], release[p], next);
            if constexpr (Flush) {
                flushToZeroInPlace<Bits>(next);
            }
            env[p] = reinterpret_cast<Floats>(reinterpret_cast<Bits>(next) & live[p]);
            out[p][k] = env[p];
        }
    }

    Floats env[kPieces];   // fast lanes, then slow lanes
    Floats attack[kPieces];
    Floats release[kPieces];  // fast lanes: the Release factor with manual release; 1 in lanes not stepped
    Bits input[kPieces];      // the magnitude bits of a stepped lane's sample, none of one not stepped
    Bits live[kPieces];       // all bits but in the slow lanes of stepped bands with manual release
    Ints manual{};            // all bits set in the lanes of bands with manual release
};

}  // namespace fendwick
