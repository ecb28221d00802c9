// The character compressor's frame loop in stages over groups of frames: the
// same bits as the loop one frame at a time, in the compiler's vector code.
// Built only where the x86 vector paths are.
#pragma once

#include "character_block_settings.h"
#include "character_channel.h"
#include "character_frame_stream.h"
#include "character_meters.h"
#include "compressor_gain.h"
#include "flushable_values.h"
#include "four_column_rows.h"
#include "gain_softening.h"
#include "lane_reach.h"
#include "lane_types.h"
#include "pair_mean.h"
#include "peak_limiter.h"
#include "sample_guards.h"
#include "silence_gate.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace fendwick {

namespace staged_frames {

// What the stages hand on, per channel and frame of a group, all linear amplitude:
//   x      the usable input, then after the low cut and the enhancer
//   envelopes  the compressor detectors' envelopes {fast, slow} per channel and frame
//   characterPeaks  the character detectors' peaks {30 ms, 150 ms} per channel and frame
//   limiterPeaks  the limiter detector's peaks {100 ms, 1 s, 10 ms, 0} per frame
//   h      the softened compressor gain;  y the compressed sample
//   z      the characterised sample at the output level, zMagnitude its
//          magnitude as the limiter detectors take it
//   e      the limiter gain (1.0 with the limiter off); o the output, outputLevel its magnitude
struct GroupSignals : GroupInputs {
    alignas(64) float envelopes[kGroupFrames][4];
    alignas(64) float characterPeaks[kGroupFrames][4];
    alignas(64) float limiterPeaks[2][kGroupFrames][4];
    alignas(64) float h[2][kGroupFrames];
    alignas(64) float y[2][kGroupFrames];
    alignas(64) float z[2][kGroupFrames];
    alignas(64) float zMagnitude[2][kGroupFrames];
    alignas(64) float e[2][kGroupFrames];
    alignas(64) float o[2][kGroupFrames];
    alignas(64) float outputLevel[2][kGroupFrames];
    alignas(64) float compressorGain[kGroupFrames];   // the smaller h of the channels
    alignas(64) float compressedLevel[kGroupFrames];  // the larger |y| of the channels
};

// The signals a vector stage reads past the last frame of a short group
// that only a frame at a time writes, set to 0.0 up to the end of the
// widest vector, so that no stage works on a value never set nor is slowed
// by a stale denormal; nothing reads what the stages make of them.
inline void clearPastEnd(GroupSignals& g)
{
    constexpr int32_t kWidestVector = 16;
    const int32_t end = (g.count + kWidestVector - 1) / kWidestVector * kWidestVector;
    for (int32_t i = g.count; i < end; ++i) {
        for (int c = 0; c < 2; ++c) {
            g.x[c][i] = 0.0f;
        }
        // Element by element: memsets of the rows here trip the compiler's
        // overflow warning in the sanitizer build.
        for (int32_t k = 0; k < 4; ++k) {
            g.envelopes[i][k] = 0.0f;
            g.characterPeaks[i][k] = 0.0f;
            g.limiterPeaks[0][i][k] = 0.0f;
            g.limiterPeaks[1][i][k] = 0.0f;
        }
    }
}

// The recurrences of the chain with their state in locals for a block: the
// low cuts in the lanes of Cuts, then the detectors in the lanes of
// Detectors (the compressor's, the character stage's and the limiter's).
// Each steps a frame of its own group, so that one loop can run all four on
// four groups and the processor overlaps their dependency chains.
template <int Channels, class Cuts, class Detectors>
class FrameChains {
public:
    explicit FrameChains(const CharacterChannel* ch)
        : cuts(ch),
          detectors(ch),
          leastKept(std::min(ch[0].leastKeptOver(kGroupFrames), ch[Channels - 1].leastKeptOver(kGroupFrames)))
    {
    }

    // A frame processed with the low cut off clears its history, once.
    void bypassLowCut() { cuts.bypass(); }

    void stepCut(GroupSignals& g, int32_t i) { cuts.step(g.x[0][i], g.x[Channels - 1][i]); }

    // The detectors' steps: with Exact flushed as the detectors flush,
    // without unflushed, noting where a flush would have changed a value.
    // The compressor detectors take frame i of compressing (when Level), the
    // character detectors frame i of characterising (when Character).
    template <bool Exact, bool Level, bool Character>
    void stepEnvelopes(GroupSignals* compressing, GroupSignals* characterising, int32_t i)
    {
        GroupSignals& l = Level ? *compressing : *characterising;
        GroupSignals& k = Character ? *characterising : *compressing;
        detectors.template stepEnvelopes<Exact, Level, Character>(l.x[0][i], l.x[Channels - 1][i], l.envelopes[i],
                                                                  k.y[0][i], k.y[Channels - 1][i],
                                                                  k.characterPeaks[i]);
    }

    template <bool Exact>
    void stepLimiter(GroupSignals& g, int32_t i)
    {
        detectors.template stepLimiters<Exact>(g.zMagnitude[0][i], g.zMagnitude[Channels - 1][i],
                                               g.limiterPeaks[0][i], g.limiterPeaks[1][i]);
    }

    // What the detectors carry from frame to frame, to step frames again from.
    using State = typename Detectors::State;

    State snapshot() const { return detectors.snapshot(); }
    void restart(const State& s) { detectors.restart(s); }

    // Every value the detectors hold, sixteen floats.
    void statesInto(float* values) const { detectors.statesInto(values); }

    // The least fraction of its magnitude a detector value keeps over a group.
    double leastKeptOverGroup() const { return leastKept; }

    // Whether channel c's compressor detector runs with manual release.
    bool manualRelease(int c) const { return detectors.manualRelease(c); }

    void keepIn(CharacterChannel* ch) const
    {
        cuts.keepIn(ch);
        detectors.keepIn(ch);
    }

private:
    Cuts cuts;
    Detectors detectors;
    double leastKept;
};

// The groups in the recurrence stages, newest first; null where a stage
// has no group or does not run.
struct StageGroups {
    GroupSignals* cutting;        // into the low cuts
    GroupSignals* compressing;    // into the compressor detectors
    GroupSignals* characterising; // into the character detectors
    GroupSignals* limiting;       // into the limiter detectors
};

// The frames from to to - 1 of the groups whose chains run, in one loop.
template <bool Exact, bool Cut, bool Level, bool Character, bool Limiter, class Chains>
inline void stepTogether(Chains& chains, const StageGroups& g, int32_t from, int32_t to)
{
    for (int32_t i = from; i < to; ++i) {
        if (Cut) {
            chains.stepCut(*g.cutting, i);
        }
        if (Level || Character) {
            chains.template stepEnvelopes<Exact, Level, Character>(g.compressing, g.characterising, i);
        }
        if (Limiter) {
            chains.template stepLimiter<Exact>(*g.limiting, i);
        }
    }
}

// The chains of the stages with a group, bit k of stages standing for the
// k-th stage of StageGroups, side by side over frames from to to - 1.
template <bool Exact, class Chains>
inline void stepStages(Chains& chains, const StageGroups& g, uint32_t stages, int32_t from,
                       int32_t to)
{
    switch (stages) {
    case 0x1: stepTogether<Exact, true, false, false, false>(chains, g, from, to); break;
    case 0x2: stepTogether<Exact, false, true, false, false>(chains, g, from, to); break;
    case 0x3: stepTogether<Exact, true, true, false, false>(chains, g, from, to); break;
    case 0x4: stepTogether<Exact, false, false, true, false>(chains, g, from, to); break;
    case 0x5: stepTogether<Exact, true, false, true, false>(chains, g, from, to); break;
    case 0x6: stepTogether<Exact, false, true, true, false>(chains, g, from, to); break;
    case 0x7: stepTogether<Exact, true, true, true, false>(chains, g, from, to); break;
    case 0x8: stepTogether<Exact, false, false, false, true>(chains, g, from, to); break;
    case 0x9: stepTogether<Exact, true, false, false, true>(chains, g, from, to); break;
    case 0xa: stepTogether<Exact, false, true, false, true>(chains, g, from, to); break;
    case 0xb: stepTogether<Exact, true, true, false, true>(chains, g, from, to); break;
    case 0xc: stepTogether<Exact, false, false, true, true>(chains, g, from, to); break;
    case 0xd: stepTogether<Exact, true, false, true, true>(chains, g, from, to); break;
    case 0xe: stepTogether<Exact, false, true, true, true>(chains, g, from, to); break;
    case 0xf: stepTogether<Exact, true, true, true, true>(chains, g, from, to); break;
    default: break;
    }
}

// Every stage with a group over all its frames: side by side over the
// frames all of them have, then each on to its end.
template <bool Exact, class Chains>
inline void stepStagesOver(Chains& chains, const StageGroups& g)
{
    GroupSignals* const stage[4] = {g.cutting, g.compressing, g.characterising, g.limiting};
    uint32_t stages = 0;
    int32_t common = kGroupFrames;
    for (uint32_t k = 0; k < 4; ++k) {
        if (stage[k] != nullptr) {
            stages |= 1u << k;
            common = stage[k]->count < common ? stage[k]->count : common;
        }
    }
    stepStages<Exact>(chains, g, stages, 0, common);
    for (uint32_t k = 0; k < 4; ++k) {
        if (stage[k] != nullptr && common < stage[k]->count) {
            stepStages<Exact>(chains, g, 1u << k, common, stage[k]->count);
        }
    }
}

// Whether the detectors of the stages with a group could leave a value
// their flush would change: a magnitude they take (or hold at the start)
// that is -0.0, or not 0.0 and so small that it could fall into the
// denormal range within a group, given least, the least fraction of a
// magnitude a detector keeps over a group. Music never comes near; only
// then are the values they stored looked through.
template <class Lanes, int Channels, class Chains>
inline bool couldLeaveFlushable(const Chains& chains, const StageGroups& g, double least)
{
    SmallMagnitudeSearch<typename Lanes::Bits> search;
    // Up to the end of the vector stages' last vector, which wrote each value.
    constexpr auto kWidth = static_cast<int32_t>(sizeof(typename Lanes::Floats) / sizeof(float));
    const auto lookThrough = [&search](const float* left, const float* right, int32_t count) {
        const int32_t n = (count + kWidth - 1) / kWidth * kWidth;
        search.lookThrough(left, n);
        if (Channels == 2) {
            search.lookThrough(right, n);
        }
    };
    if (g.compressing != nullptr) {
        lookThrough(g.compressing->x[0], g.compressing->x[1], g.compressing->count);
    }
    if (g.characterising != nullptr) {
        lookThrough(g.characterising->y[0], g.characterising->y[1], g.characterising->count);
    }
    if (g.limiting != nullptr) {
        lookThrough(g.limiting->z[0], g.limiting->z[1], g.limiting->count);
    }
    alignas(64) float held[16];
    chains.statesInto(held);
    search.lookThrough(held, 16);
    // Far above the smallest normal, for the rounding of the steps.
    constexpr double kSafeMagnitude = 0x1p-100;
    const double bound = least > 0.0 ? kSafeMagnitude / least : static_cast<double>(FLT_MAX);
    return search.anyBelow(static_cast<float>(std::min(bound, static_cast<double>(FLT_MAX))));
}

// Whether the rows of four floats the detectors stored for the groups hold
// a value their flush would have changed; rows past a group's end hold 0.0
// up to the widest vector.
template <class Lanes, int Channels>
inline bool leftFlushable(const StageGroups& g)
{
    SmallMagnitudeSearch<typename Lanes::Bits> search;
    const auto lookThrough = [&search](const float (*rows)[4], int32_t count) {
        search.lookThrough(rows[0], (count + 3) / 4 * 16);
    };
    if (g.compressing != nullptr) {
        lookThrough(g.compressing->envelopes, g.compressing->count);
    }
    if (g.characterising != nullptr) {
        lookThrough(g.characterising->characterPeaks, g.characterising->count);
    }
    if (g.limiting != nullptr) {
        for (int c = 0; c < Channels; ++c) {
            lookThrough(g.limiting->limiterPeaks[c], g.limiting->count);
        }
    }
    return search.anyFlushable();
}

// The stages' frames first without the detectors' flushes, whose compares
// and selects would lengthen every step's dependency chain, then, only
// where a flush would have changed a value (a level decaying into the
// denormal range, almost never in music), the detectors' frames again from
// where they started, with every flush: the same bits either way. The low
// cuts run once, with their flush.
template <class Lanes, int Channels, class Chains>
inline void stepChains(Chains& chains, const StageGroups& g)
{
    const typename Chains::State start = chains.snapshot();
    const bool couldFlush = couldLeaveFlushable<Lanes, Channels>(chains, g, chains.leastKeptOverGroup());
    stepStagesOver<false>(chains, g);
    if (couldFlush && leftFlushable<Lanes, Channels>(g)) {
        chains.restart(start);
        stepStagesOver<true>(chains, {nullptr, g.compressing, g.characterising, g.limiting});
    }
}

// A vector of the lanes' width from a group's array at frame i, and back;
// in place, as a 64-byte vector passed by value would change the calling
// convention between code built with and without AVX-512.
template <class Lanes>
inline void loadLanes(const float* values, int32_t i, typename Lanes::Floats& x)
{
    std::memcpy(&x, values + i, sizeof x);
}

template <class Lanes>
inline void storeLanes(const typename Lanes::Floats& x, float* values, int32_t i)
{
    std::memcpy(values + i, &x, sizeof x);
}

// |x| as fabs has it, bit for bit: -0.0 becomes 0.0.
template <class Lanes>
inline void magnitudeInPlace(typename Lanes::Floats& x)
{
    typename Lanes::Bits bits;
    std::memcpy(&bits, &x, sizeof x);
    bits &= kFloatMagnitudeBits;
    std::memcpy(&x, &bits, sizeof x);
}

// Calls step(i) with the first frame i of each vector of Lanes over the
// group's frames, rounded up to whole vectors: the lanes past its end work
// on values a group holds from before, whose results nothing reads.
template <class Lanes, class Step>
inline void forEachVector(const GroupSignals& sig, Step step)
{
    constexpr auto kWidth = static_cast<int32_t>(sizeof(typename Lanes::Floats) / sizeof(float));
    for (int32_t i = 0; i < sig.count; i += kWidth) {
        step(i);
    }
}

// The stereo enhancer on the low cut's outputs, in place: no recurrence.
template <class Lanes>
inline void enhance(const CharacterBlockSettings& s, GroupSignals& sig)
{
    using Floats = typename Lanes::Floats;
    forEachVector<Lanes>(sig, [&](int32_t i) {
        Floats x[2];
        for (int c = 0; c < 2; ++c) {
            loadLanes<Lanes>(sig.x[c], i, x[c]);
        }
        s.stereoEnhancer.stepInPlace<Lanes>(x[0], x[1]);
        for (int c = 0; c < 2; ++c) {
            storeLanes<Lanes>(x[c], sig.x[c], i);
        }
    });
}

// Gains, link and Reduction, then the compressed samples: no recurrence,
// in vectors of Lanes, the switches as template arguments.
template <int Channels, class Lanes, bool Linked, bool Softens>
inline void compressWith(float threshold, float slope, const bool* manual, GroupSignals& sig)
{
    using Floats = typename Lanes::Floats;
    forEachVector<Lanes>(sig, [&](int32_t i) {
        Floats envelope[4];
        columnsOf(sig.envelopes, i, envelope);
        Floats level[2];
        for (int c = 0; c < Channels; ++c) {
            Floats mean;
            meanOfPair<Lanes>(envelope[2 * c], envelope[2 * c + 1], mean);
            level[c] = manual[c] ? envelope[2 * c] : mean;
        }
        // Linked, the louder channel's level (the left one's when they are
        // level) sets one gain for both.
        constexpr int kGains = Channels == 2 && Linked ? 1 : Channels;
        if (kGains < Channels) {
            level[0] = level[0] >= level[1] ? level[0] : level[1];
        }
        Floats h[2];
        for (int c = 0; c < kGains; ++c) {
            // Below the threshold the gain is 1.0, which Reduction keeps.
            h[c] = Floats{} + 1.0f;
            if (!anyLaneReaches(level[c], threshold)) {
                continue;
            }
            Floats g;
            gainAboveThreshold<typename Lanes::Bits>(threshold, slope, level[c], g);
            g = level[c] >= threshold ? g : Floats{} + 1.0f;
            h[c] = g;
            if (Softens) {
                reduceGain<Lanes>(g, h[c]);
            }
        }
        h[Channels - 1] = h[kGains - 1];
        for (int c = 0; c < Channels; ++c) {
            Floats y;
            loadLanes<Lanes>(sig.x[c], i, y);
            y *= h[c];
            flushToZeroInPlace<typename Lanes::Bits>(y);
            storeLanes<Lanes>(h[c], sig.h[c], i);
            storeLanes<Lanes>(y, sig.y[c], i);
        }
    });
}

// manual[c]: whether channel c's detector runs with manual release.
template <int Channels, class Lanes>
inline void compress(const CharacterBlockSettings& s, const bool* manual, GroupSignals& sig)
{
    if (s.linked) {
        if (s.softened) {
            compressWith<Channels, Lanes, true, true>(s.threshold, s.slope, manual, sig);
        } else {
            compressWith<Channels, Lanes, true, false>(s.threshold, s.slope, manual, sig);
        }
    } else if (s.softened) {
        compressWith<Channels, Lanes, false, true>(s.threshold, s.slope, manual, sig);
    } else {
        compressWith<Channels, Lanes, false, false>(s.threshold, s.slope, manual, sig);
    }
}

// The shared character gain and the output level: no recurrence.
template <int Channels, class Lanes>
inline void characterise(const CharacterBlockSettings& s, GroupSignals& sig)
{
    using Floats = typename Lanes::Floats;
    forEachVector<Lanes>(sig, [&](int32_t i) {
        Floats peaks[4];
        columnsOf(sig.characterPeaks, i, peaks);
        Floats v[2];
        Floats gain[2];
        for (int c = 0; c < Channels; ++c) {
            meanOfPair<Lanes>(peaks[2 * c], peaks[2 * c + 1], v[c]);
            characteriseGain<Lanes>(s.curve, v[c], gain[c]);
        }
        Floats m = gain[0];
        if (Channels == 2) {
            m = gain[1] < gain[0] ? gain[1] : gain[0];
        }
        for (int c = 0; c < Channels; ++c) {
            Floats z;
            loadLanes<Lanes>(sig.y[c], i, z);
            z *= m;
            flushToZeroInPlace<typename Lanes::Bits>(z);
            Floats level = z * s.outputGain;
            storeLanes<Lanes>(level, sig.z[c], i);
            // The output level 0 makes -0.0, which the magnitude keeps.
            detectorMagnitudeInPlace(level);
            storeLanes<Lanes>(level, sig.zMagnitude[c], i);
        }
    });
}

// Limiter levels from the peaks, limiter gains, the output and what the
// meters read: no recurrence. With the limiter off the peaks hold nothing
// of this group and the gains stay 1.0.
template <int Channels, class Lanes>
inline void finish(const CharacterBlockSettings& s, GroupSignals& sig)
{
    using Floats = typename Lanes::Floats;
    const bool linked = Channels == 2 && s.linked;
    forEachVector<Lanes>(sig, [&](int32_t i) {
        Floats e[2] = {Floats{} + 1.0f, Floats{} + 1.0f};
        if (s.limiter) {
            Floats level[2];
            for (int c = 0; c < Channels; ++c) {
                Floats peaks[4];
                columnsOf(sig.limiterPeaks[c], i, peaks);
                LimiterDetector::levelsOf<Lanes>(peaks[0], peaks[1], peaks[2], level[c]);
            }
            // Linked, the louder channel's level (the left one's when they
            // are level) sets one gain for both.
            const int gains = linked ? 1 : Channels;
            if (linked) {
                level[0] = level[0] >= level[1] ? level[0] : level[1];
            }
            for (int c = 0; c < gains; ++c) {
                limitGain<Lanes>(level[c], e[c]);
            }
            e[Channels - 1] = e[gains - 1];
        }
        for (int c = 0; c < Channels; ++c) {
            Floats z;
            loadLanes<Lanes>(sig.z[c], i, z);
            Floats limited;
            limitOutput<Lanes>(e[c], z, s.ceiling, limited);
            const Floats o = s.limiter ? limited : z;
            storeLanes<Lanes>(e[c], sig.e[c], i);
            storeLanes<Lanes>(o, sig.o[c], i);
            Floats magnitude = o;
            magnitudeInPlace<Lanes>(magnitude);
            storeLanes<Lanes>(magnitude, sig.outputLevel[c], i);
        }
        Floats h[2];
        Floats y[2];
        for (int c = 0; c < Channels; ++c) {
            loadLanes<Lanes>(sig.h[c], i, h[c]);
            loadLanes<Lanes>(sig.y[c], i, y[c]);
            magnitudeInPlace<Lanes>(y[c]);
        }
        if (Channels == 2) {
            h[0] = h[1] < h[0] ? h[1] : h[0];
            y[0] = y[0] < y[1] ? y[1] : y[0];
        }
        storeLanes<Lanes>(h[0], sig.compressorGain, i);
        storeLanes<Lanes>(y[0], sig.compressedLevel, i);
    });
}

// The group's outputs into the frames they came from: in one sweep where
// the gate bypassed none between them.
template <int Channels, bool Accumulate>
inline void writeOutputs(const GroupSignals& sig, float* const* outputs)
{
    const int32_t n = sig.count;
    const int32_t first = sig.frame[0];
    for (int c = 0; c < Channels; ++c) {
        if (sig.frame[n - 1] - first == n - 1) {
            float* out = outputs[c] + first;
            for (int32_t i = 0; i < n; ++i) {
                out[i] = Accumulate ? out[i] + sig.o[c][i] : sig.o[c][i];
            }
            continue;
        }
        for (int32_t i = 0; i < n; ++i) {
            float& out = outputs[c][sig.frame[i]];
            out = Accumulate ? out + sig.o[c][i] : sig.o[c][i];
        }
    }
}

// What a meter keeps of n quantities, from its rest value on: the largest
// (Level) or the smallest, which the meter holds at 1.0 as it takes it; in
// vectors of Lanes, whose lanes meet at the end, which gives the value of
// one quantity after another as no quantity is -0.0 nor NaN.
template <class Lanes, bool Level>
inline float foldQuantities(const float* quantities, int32_t n)
{
    using Floats = typename Lanes::Floats;
    constexpr auto kWidth = static_cast<int32_t>(sizeof(Floats) / sizeof(float));
    const float rest = Level ? 0.0f : 1.0f;
    Floats lanes = Floats{} + rest;
    int32_t i = 0;
    for (; i + kWidth <= n; i += kWidth) {
        Floats q;
        loadLanes<Lanes>(quantities, i, q);
        lanes = Level ? (q > lanes ? q : lanes) : (q < lanes ? q : lanes);
    }
    // The lanes meet in halves: with neither -0.0 nor NaN, the order of a
    // largest or a smallest makes no difference.
    const auto meet = [](Floats& a, const Floats& b) { a = Level ? (b > a ? b : a) : (b < a ? b : a); };
    if constexpr (kWidth == 16) {
        meet(lanes, __builtin_shufflevector(lanes, lanes, 8, 9, 10, 11, 12, 13, 14, 15, 0, 1, 2, 3, 4, 5, 6, 7));
        meet(lanes, __builtin_shufflevector(lanes, lanes, 4, 5, 6, 7, 0, 1, 2, 3, 4, 5, 6, 7, 0, 1, 2, 3));
        meet(lanes, __builtin_shufflevector(lanes, lanes, 2, 3, 0, 1, 2, 3, 0, 1, 2, 3, 0, 1, 2, 3, 0, 1));
        meet(lanes, __builtin_shufflevector(lanes, lanes, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0));
    } else {
        static_assert(kWidth == 4, "vectors of four or sixteen floats");
        meet(lanes, __builtin_shufflevector(lanes, lanes, 2, 3, 0, 1));
        meet(lanes, __builtin_shufflevector(lanes, lanes, 1, 0, 1, 0));
    }
    float folded = lanes[0];
    for (; i < n; ++i) {
        const float q = quantities[i];
        folded = Level ? (q > folded ? q : folded) : (q < folded ? q : folded);
    }
    return folded;
}

// The group's readings into the meters, each frame after the frames the
// gate bypassed just before it, so that the meters see the block's frames in order.
template <int Channels, class Lanes, class Publish>
inline void gatherMeters(const CharacterBlockSettings& s, const GroupSignals& sig, CharacterMeters& meters,
                         Publish& publish)
{
    const auto fold = [](MeterKind kind, const float* quantities, int32_t n) {
        return kind == MeterKind::level ? foldQuantities<Lanes, true>(quantities, n)
                                        : foldQuantities<Lanes, false>(quantities, n);
    };
    // Frames from one sweep of the block had none bypassed between them.
    const bool oneSweep = sig.frame[sig.count - 1] - sig.frame[0] == sig.count - 1;
    for (int32_t i = 0; i < sig.count;) {
        meters.skipRun<Channels>(sig.bypassedBefore[i], s.meterInterval, publish);
        int32_t end = oneSweep ? sig.count : i + 1;
        while (end < sig.count && sig.bypassedBefore[end] == 0) {
            ++end;
        }
        const MeterRuns runs{sig.compressorGain + i,
                             sig.compressedLevel + i,
                             {sig.outputLevel[0] + i, Channels == 2 ? sig.outputLevel[1] + i : nullptr},
                             {sig.e[0] + i, Channels == 2 ? sig.e[1] + i : nullptr}};
        meters.gatherRun<Channels>(runs, end - i, s.meterInterval, publish, fold);
        i = end;
    }
}

}  // namespace staged_frames

// Processes frames as runScalarCharacterFrames does, in groups of the frames
// the gate lets through, stage by stage, each stage a short loop over a
// group. The stages without recurrence run in vectors of Lanes; the four
// recurrences (low cut, compressor detector, character detector, limiter
// detector) run in one loop over four groups in turn, the low cut on the
// newest group and each later one on the group before, so that their
// dependency chains overlap (with the low cut off, the compressor detector
// takes the newest group). Their state stays in locals for the block; the
// channels' histories are copied in once and written back once, their
// coefficients never. A frame's inputs are read before its output is
// written, so inputs and outputs may share their buffers. Audio thread; no
// allocation, no lock, no system call.
template <int Channels, bool Accumulate, class Lanes, class Cuts, class Detectors, class Publish>
void runStagedCharacterFrames(const CharacterBlockSettings& s, CharacterChannel* channels, CharacterMeters& meters,
                              CharacterGateState& gateState, Publish& publish, float* const* inputs,
                              float* const* outputs, int32_t frames)
{
    using staged_frames::GroupSignals;
    SilenceGate gate(gateState.silenceCount, gateState.processingActive);
    constexpr auto kWidth = static_cast<int>(sizeof(typename Lanes::Floats) / sizeof(float));
    staged_frames::GatedFrameStream<Channels, Accumulate, kWidth> stream(gate, inputs, outputs, frames);
    staged_frames::FrameChains<Channels, Cuts, Detectors> chains(channels);
    const bool manual[2] = {chains.manualRelease(0), chains.manualRelease(Channels - 1)};
    GroupSignals groups[4];
    GroupSignals* cutting = nullptr;        // the newest group, into the low cuts
    GroupSignals* compressing = nullptr;    // the one before, into the compressor detectors (low cut off: the newest)
    GroupSignals* characterising = nullptr; // the one before that, into the character detectors
    GroupSignals* limiting = nullptr;       // the oldest, into the limiter detectors
    const bool enhanced = Channels == 2 && s.enhancer;
    for (int32_t g = 0;; ++g) {
        GroupSignals* next = &groups[g % 4];
        cutting = stream.next(*next) > 0 ? next : nullptr;
        if (!s.loCut) {
            // With the low cut off, a group goes straight on to the
            // compressor detectors: a stage less to fill and drain in a block.
            compressing = cutting;
        }
        if (cutting == nullptr && compressing == nullptr && characterising == nullptr && limiting == nullptr) {
            break;
        }
        if (cutting != nullptr) {
            staged_frames::clearPastEnd(*cutting);
            if (!s.loCut) {
                chains.bypassLowCut();
                if (enhanced) {
                    staged_frames::enhance<Lanes>(s, *cutting);
                }
            }
        }
        staged_frames::stepChains<Lanes, Channels>(chains, {s.loCut ? cutting : nullptr, compressing, characterising,
                                                     s.limiter ? limiting : nullptr});
        if (cutting != nullptr && s.loCut && enhanced) {
            staged_frames::enhance<Lanes>(s, *cutting);
        }
        if (compressing != nullptr) {
            staged_frames::compress<Channels, Lanes>(s, manual, *compressing);
        }
        if (characterising != nullptr) {
            staged_frames::characterise<Channels, Lanes>(s, *characterising);
        }
        if (limiting != nullptr) {
            staged_frames::finish<Channels, Lanes>(s, *limiting);
            staged_frames::writeOutputs<Channels, Accumulate>(*limiting, outputs);
            staged_frames::gatherMeters<Channels, Lanes>(s, *limiting, meters, publish);
        }
        limiting = characterising;
        characterising = compressing;
        compressing = s.loCut ? cutting : nullptr;
    }
    meters.skipRun<Channels>(stream.bypassedAtEnd(), s.meterInterval, publish);
    chains.keepIn(channels);
    gateState.silenceCount = gate.silenceCount();
    gateState.processingActive = gate.processingActive();
}

}  // namespace fendwick
