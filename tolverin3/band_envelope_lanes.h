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

// Lanes {Hi, Mid, Lo, unused}, one vector for the fast (or manual) envelope
// and one for the slow envelope of the automatic release. A band with manual
// release holds its slow lane at 0; a band whose compression is off is not
// stepped, so that its envelopes wait where they were, as its detector does.
// Made from the detectors once per block (their coefficients then hold for
// the block), stepped and kept back on the audio thread.
class BandEnvelopeLanes {
public:
    using Floats = LaneTypes<4>::Floats;
    using Ints = LaneTypes<4>::Ints;
    using Bits = LaneTypes<4>::Bits;

    BandEnvelopeLanes(const LevelDetector (&detectors)[kMultibandBandCount],
                      const CharacterBandSettings (&bands)[kMultibandBandCount])
    {
        for (int32_t b = 0; b < kMultibandBandCount; ++b) {
            const LevelDetector& d = detectors[b];
            const EnvelopeTiming& t = d.coefficients();
            fast[b] = d.fastEnvelope();
            slow[b] = d.slowEnvelope();
            attack[b] = t.attack();
            fastRelease[b] = d.manualRelease() ? t.release() : t.fastRelease();
            slowRelease[b] = t.slowRelease();
            manual[b] = d.manualRelease() ? -1 : 0;
            stepped[b] = bands[b].compression > 0.5f ? -1 : 0;
        }
    }

    void keepIn(LevelDetector (&detectors)[kMultibandBandCount]) const
    {
        for (int32_t b = 0; b < kMultibandBandCount; ++b) {
            detectors[b].keepEnvelopes(fast[b], slow[b]);
        }
    }

    // One frame's band samples in, their detected levels out (lanes of
    // unstepped bands hold no level). The flush almost never changes a
    // lane, so it sits behind a branch the processor predicts, off the
    // envelopes' dependency chain; the values are those of the flushed step.
    Floats step(Floats band)
    {
        const Floats a = band < 0.0f ? -band : band;
        Floats nextFast = a >= fast ? a + (fast - a) * attack : fast * fastRelease;
        Floats nextSlow = a >= slow ? a + (slow - a) * attack : slow * slowRelease;
        if (__builtin_expect(anyFlushable(nextFast) || anyFlushable(nextSlow), 0)) {
            flushToZeroInPlace<Bits>(nextFast);
            flushToZeroInPlace<Bits>(nextSlow);
        }
        fast = stepped != 0 ? nextFast : fast;
        slow = stepped != 0 ? (manual != 0 ? Floats{} : nextSlow) : slow;
        return manual != 0 ? fast : (fast + slow) * 0.5f;
    }

private:
    // Whether the flush turns any lane to +0.0: all exponent bits clear, not +0.0 already.
    static bool anyFlushable(const Floats& x)
    {
        const Bits bits = reinterpret_cast<const Bits&>(x);
        const Ints flushable = (bits & kFloatExponentBits) == 0 && bits != 0;
        return _mm_movemask_ps(reinterpret_cast<__m128>(flushable)) != 0;
    }

    Floats fast{};
    Floats slow{};
    Floats attack{};
    Floats fastRelease{};  // the Release factor with manual release
    Floats slowRelease{};
    Ints manual{};   // all bits set in the lanes of bands with manual release
    Ints stepped{};  // all bits set in the lanes of compressed bands
};

}  // namespace fendwick
