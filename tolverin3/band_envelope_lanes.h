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

namespace fendwick {

// Lanes {Hi, Mid, Lo, unused} of the fast (or manual) envelopes, then the
// same four of the slow envelopes of the automatic release, in one vector
// of eight: a frame steps both envelopes of every band at once (one
// instruction on AVX, a pair on SSE2). A band with manual release holds
// its slow lane at 0; a band whose compression is off is not stepped, so
// that its envelopes wait where they were, as its detector does. Made from
// the detectors once per block (their coefficients then hold for the
// block), stepped and kept back on the audio thread.
class BandEnvelopeLanes {
public:
    using Floats = LaneTypes<4>::Floats;
    using Ints = LaneTypes<4>::Ints;

    BandEnvelopeLanes(const LevelDetector (&detectors)[kMultibandBandCount],
                      const CharacterBandSettings (&bands)[kMultibandBandCount])
    {
        for (int32_t b = 0; b < kMultibandBandCount; ++b) {
            const LevelDetector& d = detectors[b];
            const EnvelopeTiming& t = d.coefficients();
            const bool stepped = bands[b].compression > 0.5f;
            env[b] = d.fastEnvelope();
            env[kSlow + b] = d.slowEnvelope();
            attack[b] = attack[kSlow + b] = t.attack();
            release[b] = d.manualRelease() ? t.release() : t.fastRelease();
            release[kSlow + b] = t.slowRelease();
            live[b] = stepped ? -1 : 0;
            live[kSlow + b] = stepped && !d.manualRelease() ? -1 : 0;
            kept[b] = kept[kSlow + b] = stepped ? 0 : -1;
            manual[b] = d.manualRelease() ? -1 : 0;
        }
    }

    void keepIn(LevelDetector (&detectors)[kMultibandBandCount]) const
    {
        for (int32_t b = 0; b < kMultibandBandCount; ++b) {
            detectors[b].keepEnvelopes(env[b], env[kSlow + b]);
        }
    }

    // One frame's band samples in, their detected levels out (lanes of
    // unstepped bands hold no level). The flush almost never changes a
    // lane, so it sits behind a branch the processor predicts, off the
    // envelopes' dependency chain; the values are those of the flushed step.
    Floats step(Floats band)
    {
        const Floats magnitude = band < 0.0f ? -band : band;
        const Pair a = __builtin_shufflevector(magnitude, magnitude, 0, 1, 2, 3, 0, 1, 2, 3);
        Pair next = a >= env ? a + (env - a) * attack : env * release;
        if (__builtin_expect(anyFlushable(next), 0)) {
            flushToZeroInPlace<PairBits>(next);
        }
        // Unstepped lanes keep their envelope; stepped slow lanes of manual release become 0.
        env = kept != 0 ? env : reinterpret_cast<Pair>(reinterpret_cast<PairInts>(next) & live);
        const Floats fast = lowHalf();
        return manual != 0 ? fast : (fast + highHalf()) * 0.5f;
    }

private:
    using Pair = LaneTypes<8>::Floats;
    using PairInts = LaneTypes<8>::Ints;
    using PairBits = LaneTypes<8>::Bits;
    static constexpr int32_t kSlow = 4;

    Floats lowHalf() const { return Floats{env[0], env[1], env[2], env[3]}; }
    Floats highHalf() const { return Floats{env[4], env[5], env[6], env[7]}; }

    // Whether the flush turns any lane to +0.0: all exponent bits clear, not +0.0 already.
    static bool anyFlushable(const Pair& x)
    {
        const PairBits bits = reinterpret_cast<const PairBits&>(x);
        const PairInts flushable = (bits & kFloatExponentBits) == 0 && bits != 0;
        const Ints either = Ints{flushable[0], flushable[1], flushable[2], flushable[3]} |
                            Ints{flushable[4], flushable[5], flushable[6], flushable[7]};
        return _mm_movemask_ps(reinterpret_cast<__m128>(either)) != 0;
    }

    Pair env{};      // fast lanes, then slow lanes
    Pair attack{};
    Pair release{};  // fast lanes: the Release factor with manual release
    PairInts live{};    // all bits set where a step keeps its value: stepped, and not a manual band's slow lane
    PairInts kept{};    // all bits set in both lanes of bands not stepped
    Ints manual{};      // all bits set in the lanes of bands with manual release
};

}  // namespace fendwick
