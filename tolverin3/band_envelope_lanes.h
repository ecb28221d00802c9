// The level detectors of the three bands side by side in the lanes of one
// vector, stepped as LevelDetector::step steps each; included only where
// the x86 vector paths are built.
#pragma once

#include "ascarell3_parameters.h"
#include "character_band_settings.h"
#include "lane_types.h"
#include "level_detector.h"
#include "level_envelope_lanes.h"
#include "sample_guards.h"

#include <immintrin.h>

#include <cstdint>
#include <cstring>

namespace fendwick {

// One step of the envelope recurrence on a vector of Width lanes, as
// LevelDetector follows each envelope: where a >= env the attack,
// a + (env - a) * attack, else the release, env * release; and whether the
// flush would change any lane of some steps' envelopes (all exponent bits
// clear, not +0.0 already). In generic vectors for four lanes.
template <int Width>
struct EnvelopeRecurrence {
    using Packed = typename LaneTypes<Width>::Floats;
    using PackedInts = typename LaneTypes<Width>::Ints;

    static void follow(const Packed& a, const Packed& env, const Packed& attack, const Packed& release, Packed& next)
    {
        followEnvelopesUnflushed(a, env, attack, release, next);
    }

    template <int32_t Steps>
    static bool anyFlushable(const Packed (&x)[Steps], int32_t count)
    {
        PackedInts either{};
        for (int32_t k = 0; k < count; ++k) {
            collectFlushable(x[k], either);
        }
        return (either[0] | either[1] | either[2] | either[3]) != 0;
    }
};

// Eight lanes in AVX-512VL, which the AVX-512 loop alone runs: its compares
// give mask registers, where the generic vectors' compares of eight lanes
// came out lane by lane.
template <>
struct EnvelopeRecurrence<8> {
    using Packed = LaneTypes<8>::Floats;

    __attribute__((target("avx512f,avx512vl"))) static void follow(const Packed& a, const Packed& env,
                                                                   const Packed& attack, const Packed& release,
                                                                   Packed& next)
    {
        const auto x = reinterpret_cast<__m256>(a);
        const auto e = reinterpret_cast<__m256>(env);
        const __mmask8 rising = _mm256_cmp_ps_mask(x, e, _CMP_GE_OQ);
        const __m256 up = _mm256_add_ps(x, _mm256_mul_ps(_mm256_sub_ps(e, x), reinterpret_cast<__m256>(attack)));
        const __m256 down = _mm256_mul_ps(e, reinterpret_cast<__m256>(release));
        next = reinterpret_cast<Packed>(_mm256_mask_blend_ps(rising, down, up));
    }

    template <int32_t Steps>
    __attribute__((target("avx512f,avx512vl"))) static bool anyFlushable(const Packed (&x)[Steps], int32_t count)
    {
        const __m256i exponent = _mm256_set1_epi32(static_cast<int32_t>(kFloatExponentBits));
        __mmask8 either = 0;
        for (int32_t k = 0; k < count; ++k) {
            const auto bits = reinterpret_cast<__m256i>(x[k]);
            either |= _mm256_mask_testn_epi32_mask(_mm256_test_epi32_mask(bits, bits), bits, exponent);
        }
        return either != 0;
    }
};

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
        Packed after[kPieces][kRunFrames];
        for (int32_t p = 0; p < kPieces; ++p) {
            start[p] = env[p];
        }
        for (int32_t k = 0; k < count; ++k) {
            step<false>(bands[k], after, k);
        }
        bool flushable = false;
        for (const auto& piece : after) {
            flushable = flushable || Recurrence::anyFlushable(piece, count);
        }
        if (__builtin_expect(flushable, 0)) {
            for (int32_t p = 0; p < kPieces; ++p) {
                env[p] = start[p];
            }
            for (int32_t k = 0; k < count; ++k) {
                step<true>(bands[k], after, k);
            }
        }
        for (int32_t k = 0; k < count; ++k) {
            Floats fast;
            Floats slow;
            if constexpr (Width == 8) {
                fast = __builtin_shufflevector(after[0][k], after[0][k], 0, 1, 2, 3);
                slow = __builtin_shufflevector(after[0][k], after[0][k], 4, 5, 6, 7);
            } else {
                fast = after[0][k];
                slow = after[1][k];
            }
            // Chosen by bits, as the mask is one for the block.
            const Floats average = (fast + slow) * 0.5f;
            levels[k] = reinterpret_cast<Floats>((reinterpret_cast<Ints>(fast) & manual) |
                                                 (reinterpret_cast<Ints>(average) & ~manual));
        }
    }

private:
    static_assert(Width == 4 || Width == 8, "two vectors of four or one of eight");
    using Packed = typename LaneTypes<Width>::Floats;
    using PackedInts = typename LaneTypes<Width>::Ints;
    using PackedBits = typename LaneTypes<Width>::Bits;
    using Recurrence = EnvelopeRecurrence<Width>;
    static constexpr int32_t kLanes = 8;
    static constexpr int32_t kPieces = kLanes / Width;
    static constexpr int32_t kSlow = 4;

    // One frame: the magnitudes of the stepped lanes' samples, the
    // envelopes on, flushed where Flush asks; manual bands' slow lanes to 0.
    template <bool Flush>
    void step(const Floats& band, Packed (&out)[kPieces][kRunFrames], int32_t k)
    {
        const auto bits = reinterpret_cast<LaneTypes<4>::Bits>(band);
        PackedBits spread;
        if constexpr (Width == 8) {
            spread = __builtin_shufflevector(bits, bits, 0, 1, 2, 3, 0, 1, 2, 3);
        } else {
            spread = bits;
        }
        for (int32_t p = 0; p < kPieces; ++p) {
            const Packed a = reinterpret_cast<Packed>(spread & input[p]);
            Packed next;
            Recurrence::follow(a, env[p], attack[p], release[p], next);
            if constexpr (Flush) {
                flushToZeroInPlace<PackedBits>(next);
            }
            env[p] = reinterpret_cast<Packed>(reinterpret_cast<PackedBits>(next) & live[p]);
            out[p][k] = env[p];
        }
    }

    Packed env[kPieces];       // fast lanes, then slow lanes
    Packed attack[kPieces];
    Packed release[kPieces];   // fast lanes: the Release factor with manual release; 1 in lanes not stepped
    PackedBits input[kPieces];  // the magnitude bits of a stepped lane's sample, none of one not stepped
    PackedBits live[kPieces];   // all bits but in the slow lanes of stepped bands with manual release
    Ints manual{};              // all bits set in the lanes of bands with manual release
};

}  // namespace fendwick
