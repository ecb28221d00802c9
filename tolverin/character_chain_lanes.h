// The character compressor's detector recurrences with both channels side
// by side in the lanes of one vector and no branch, for the staged frame
// loop. Built only where the x86 vector paths are.
#pragma once

#include "character_channel.h"
#include "lane_types.h"
#include "level_envelope_lanes.h"
#include "sample_guards.h"

#include <cstdint>
#include <cstring>

namespace fendwick {

namespace chain_lanes {

using Floats4 = LaneTypes<4>::Floats;
using Ints4 = LaneTypes<4>::Ints;
using Bits4 = LaneTypes<4>::Bits;

// Both channels' level detectors, lanes {fast left, slow left, fast right,
// slow right}. A channel with manual release runs its one envelope in the
// fast lane with the Release factor, and its slow lane is held at 0.
class LevelLanes {
public:
    LevelLanes(const LevelDetector& left, const LevelDetector& right)
        : env{left.fastEnvelope(), left.slowEnvelope(), right.fastEnvelope(), right.slowEnvelope()},
          attack{left.coefficients().attack(), left.coefficients().attack(), right.coefficients().attack(),
                 right.coefficients().attack()},
          release{firstRelease(left), left.coefficients().slowRelease(), firstRelease(right),
                  right.coefficients().slowRelease()},
          manualLanes{allIf(left.manualRelease()), allIf(left.manualRelease()), allIf(right.manualRelease()),
                      allIf(right.manualRelease())},
          slowHeld{0, allIf(left.manualRelease()), 0, allIf(right.manualRelease())}
    {
    }

    // Takes the samples left and right and stores the envelopes into a row
    // of four floats, as the lanes hold them. With Exact flushed as the
    // detector flushes; without, unflushed, for the frame loop to look for
    // values the flush would have changed in the rows.
    template <bool Exact>
    void step(float left, float right, float* row)
    {
        Floats4 a = {left, left, right, right};
        detectorMagnitudeInPlace(a);
        Floats4 next;
        if (Exact) {
            followEnvelopes<Bits4>(a, env, attack, release, next);
        } else {
            followEnvelopesUnflushed(a, env, attack, release, next);
        }
        env = slowHeld != 0 ? Floats4{} : next;
        std::memcpy(row, &env, sizeof env);
    }

    // Whether the channel in lanes 2c and 2c + 1 has manual release, whose
    // level is its fast lane alone; with automatic release the level is the
    // mean of both.
    bool manualRelease(int c) const { return manualLanes[2 * c] != 0; }

    void keepIn(LevelDetector& detector, int c) const { detector.keepEnvelopes(env[2 * c], env[2 * c + 1]); }

    void valuesInto(float* values) const { std::memcpy(values, &env, sizeof env); }

private:
    static float firstRelease(const LevelDetector& d)
    {
        return d.manualRelease() ? d.coefficients().release() : d.coefficients().fastRelease();
    }
    static int32_t allIf(bool on) { return on ? -1 : 0; }

    Floats4 env{};
    Floats4 attack{};
    Floats4 release{};
    Ints4 manualLanes{};  // all bits set in the lanes of a channel with manual release
    Ints4 slowHeld{};     // all bits set in the slow lane of such a channel
};

// Both channels' character detectors, lanes {30 ms left, 150 ms left,
// 30 ms right, 150 ms right}.
class CharacterLanes {
public:
    CharacterLanes(const CharacterDetector& left, const CharacterDetector& right)
        : peaks{left.fastPeak(), left.slowPeak(), right.fastPeak(), right.slowPeak()},
          fall{left.fastFall(), left.slowFall(), right.fastFall(), right.slowFall()}
    {
    }

    // Takes the samples left and right and stores the peaks into a row of
    // four floats, as the lanes hold them; Exact as for LevelLanes.
    template <bool Exact>
    void step(float left, float right, float* row)
    {
        Floats4 a = {left, left, right, right};
        detectorMagnitudeInPlace(a);
        Floats4 next = a >= peaks ? a : peaks * fall;
        if (Exact) {
            flushToZeroInPlace<Bits4>(next);
        }
        peaks = next;
        std::memcpy(row, &peaks, sizeof peaks);
    }

    void keepIn(CharacterDetector& detector, int c) const { detector.keepPeaks(peaks[2 * c], peaks[2 * c + 1]); }

    void valuesInto(float* values) const { std::memcpy(values, &peaks, sizeof peaks); }

private:
    Floats4 peaks;
    Floats4 fall;
};

// The limiter detectors of up to two channels, each in lanes {100 ms, 1 s,
// 10 ms, unused}.
class LimiterLanes {
public:
    LimiterLanes(const LimiterDetector& left, const LimiterDetector& right)
        : level{lanesOf(left.peak(0), left.peak(1), left.peak(2)), lanesOf(right.peak(0), right.peak(1), right.peak(2))},
          held{Ints4{left.heldFor(0), left.heldFor(1), left.heldFor(2), 0},
               Ints4{right.heldFor(0), right.heldFor(1), right.heldFor(2), 0}},
          fall{lanesOf(left.fallOf(0), left.fallOf(1), left.fallOf(2)),
               lanesOf(right.fallOf(0), right.fallOf(1), right.fallOf(2))}
    {
    }

    // Takes the magnitude of channel c's sample; Exact as for LevelLanes.
    template <bool Exact>
    void step(int c, float x)
    {
        const Floats4 a = {x, x, x, x};
        const Ints4 rising = a >= level[c];
        const Ints4 holding = held[c] < LimiterDetector::kHoldSamples;
        Floats4 fallen = level[c] * fall[c];
        if (Exact) {
            flushToZeroInPlace<Bits4>(fallen);
        }
        level[c] = rising != 0 ? a : (holding != 0 ? level[c] : fallen);
        held[c] = rising != 0 ? Ints4{} : (holding != 0 ? held[c] + 1 : held[c]);
    }

    // Both channels' peaks, eight floats.
    void valuesInto(float* values) const { std::memcpy(values, level, sizeof level); }

    // Channel c's peaks {100 ms, 1 s, 10 ms, 0} into a row of four floats.
    void storePeaks(int c, float* row) const { std::memcpy(row, &level[c], sizeof level[c]); }

    void keepIn(LimiterDetector& detector, int c) const
    {
        for (int k = 0; k < 3; ++k) {
            detector.keepPeak(k, level[c][k], held[c][k]);
        }
    }

private:
    static Floats4 lanesOf(float a, float b, float c) { return Floats4{a, b, c, 0.0f}; }

    Floats4 level[2];
    Ints4 held[2];
    Floats4 fall[2];
};

// The low cuts of up to two channels, each a filter of its own.
template <int Channels>
class LowCutPair {
public:
    explicit LowCutPair(const CharacterChannel* ch) : cut{ch[0].loCut, ch[Channels - 1].loCut} {}

    // A frame processed with the low cut off clears the history, once.
    void bypass()
    {
        for (int c = 0; c < Channels; ++c) {
            cut[c].bypass();
        }
    }

    // Filters the samples left and right (of a mono build, left) in place.
    void step(float& left, float& right)
    {
        left = cut[0].step(left);
        if (Channels == 2) {
            right = cut[1].step(right);
        }
    }

    void keepIn(CharacterChannel* ch) const
    {
        for (int c = 0; c < Channels; ++c) {
            ch[c].loCut.keepHistoryOf(cut[c]);
        }
    }

private:
    LoCutFilter cut[2];
};

// Every detector of up to two channels in the lanes above, for the staged
// frame loop; a mono build runs its one channel as both.
template <int Channels>
class DetectorLanes {
public:
    struct State {
        LevelLanes level;
        CharacterLanes character;
        LimiterLanes limiter;
    };

    explicit DetectorLanes(const CharacterChannel* ch)
        : state{{ch[0].level, ch[Channels - 1].level},
                {ch[0].character, ch[Channels - 1].character},
                {ch[0].limiter, ch[Channels - 1].limiter}}
    {
    }

    // The compressor detectors take xl, xr into levelRow (when Level), the
    // character detectors yl, yr of another frame into characterRow (when
    // Character); Exact as for LevelLanes.
    template <bool Exact, bool Level, bool Character>
    void stepEnvelopes(float xl, float xr, float* levelRow, float yl, float yr, float* characterRow)
    {
        if (Level) {
            state.level.template step<Exact>(xl, xr, levelRow);
        }
        if (Character) {
            state.character.template step<Exact>(yl, yr, characterRow);
        }
    }

    // The limiter detectors take the magnitudes zl, zr into rows of their peaks.
    template <bool Exact>
    void stepLimiters(float zl, float zr, float* leftRow, float* rightRow)
    {
        state.limiter.template step<Exact>(0, zl);
        state.limiter.storePeaks(0, leftRow);
        if (Channels == 2) {
            state.limiter.template step<Exact>(1, zr);
            state.limiter.storePeaks(1, rightRow);
        }
    }

    State snapshot() const { return state; }
    void restart(const State& s) { state = s; }

    // Every value the lanes hold, sixteen floats.
    void statesInto(float* values) const
    {
        state.level.valuesInto(values);
        state.character.valuesInto(values + 4);
        state.limiter.valuesInto(values + 8);
    }

    bool manualRelease(int c) const { return state.level.manualRelease(c); }

    void keepIn(CharacterChannel* ch) const
    {
        for (int c = 0; c < Channels; ++c) {
            state.level.keepIn(ch[c].level, c);
            state.character.keepIn(ch[c].character, c);
            state.limiter.keepIn(ch[c].limiter, c);
        }
    }

private:
    State state;
};

}  // namespace chain_lanes

}  // namespace fendwick
