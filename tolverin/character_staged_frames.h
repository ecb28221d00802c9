// The character compressor's frame loop in stages over runs of frames: the
// same bits as the loop one frame at a time, in the compiler's vector code.
// Built only where the x86 vector paths are.
#pragma once

#include "character_block_settings.h"
#include "character_chain_lanes.h"
#include "character_channel.h"
#include "character_meters.h"
#include "compressor_gain.h"
#include "frame_group_lanes.h"
#include "gain_softening.h"
#include "peak_limiter.h"
#include "sample_guards.h"
#include "silence_gate.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace fendwick {

namespace staged_frames {

// Frames a chunk holds between its stages; a stage loops over a run of the
// frames the gate lets through.
constexpr int32_t kChunkFrames = 64;

// What the stages hand on, per channel and frame of a chunk, all linear amplitude:
//   x      the usable input, then after the low cut and the enhancer
//   level  the compressor detector's level, then the limiter detector's
//   h      the softened compressor gain;  y the compressed sample
//   v      the character detector's level; z the characterised sample at the output level
//   e      the limiter gain (1.0 with the limiter off); outputLevel the output's magnitude
struct ChunkSignals {
    alignas(64) float x[2][kChunkFrames];
    alignas(64) float level[2][kChunkFrames];
    alignas(64) float h[2][kChunkFrames];
    alignas(64) float y[2][kChunkFrames];
    alignas(64) float v[2][kChunkFrames];
    alignas(64) float z[2][kChunkFrames];
    alignas(64) float e[2][kChunkFrames];
    alignas(64) float outputLevel[2][kChunkFrames];
    alignas(64) float compressorGain[kChunkFrames];   // the smaller h of the channels
    alignas(64) float compressedLevel[kChunkFrames];  // the larger |y| of the channels
    alignas(64) int32_t quiet[kChunkFrames];          // 1 where every input is near-silent
    alignas(64) int32_t open[kChunkFrames];           // 1 where the gate lets the frame through
};

// The input guard over the frames 0 to n - 1 of the chunk at start, four at
// a time, and which of them are near-silent in every channel; answers
// whether any is.
template <int Channels>
inline bool guardInputs(float* const* inputs, int32_t start, int32_t n, ChunkSignals& sig)
{
    using Floats = LaneTypes<frame_group::kFrames>::Floats;
    using Ints = LaneTypes<frame_group::kFrames>::Ints;
    using Bits = LaneTypes<frame_group::kFrames>::Bits;
    Ints anyQuiet{};
    for (int32_t i = 0; i < n; i += frame_group::kFrames) {
        const int32_t valid = n - i < frame_group::kFrames ? n - i : frame_group::kFrames;
        Ints quiet = Ints{0, 1, 2, 3} < valid;
        for (int c = 0; c < Channels; ++c) {
            auto x = reinterpret_cast<Floats>(frame_group::loadFrames(inputs[c] + start + i, valid));
            usableInputInPlace<Bits>(x);
            std::memcpy(&sig.x[c][i], &x, sizeof x);
            quiet &= SilenceGate::nearSilent<Bits>(x);
        }
        quiet &= 1;
        std::memcpy(&sig.quiet[i], &quiet, sizeof quiet);
        anyQuiet |= quiet;
    }
    return (anyQuiet[0] | anyQuiet[1] | anyQuiet[2] | anyQuiet[3]) != 0;
}

// The recurrences ahead of the gain: low cut, enhancer, compressor detector.
// A run bypassing the low cut clears its history once, as its first frame would.
template <int Channels>
inline void detectLevels(const CharacterBlockSettings& s, CharacterChannel* ch, ChunkSignals& sig, int32_t a,
                         int32_t b)
{
    LoCutFilter cut[2] = {ch[0].loCut, ch[Channels - 1].loCut};
    chain_lanes::LevelLanes detector(ch[0].level, ch[Channels - 1].level);
    for (int c = 0; c < Channels; ++c) {
        if (!s.loCut) {
            cut[c].bypass();
        }
    }
    for (int32_t i = a; i < b; ++i) {
        float x[2] = {sig.x[0][i], sig.x[Channels - 1][i]};
        if (s.loCut) {
            for (int c = 0; c < Channels; ++c) {
                x[c] = cut[c].step(x[c]);
            }
        }
        if (Channels == 2 && s.enhancer) {
            const StereoPair wide = s.stereoEnhancer.step(x[0], x[1]);
            x[0] = wide.left;
            x[1] = wide.right;
        }
        const chain_lanes::Floats4 level = detector.step(x[0], x[Channels - 1]);
        for (int c = 0; c < Channels; ++c) {
            sig.x[c][i] = x[c];
            sig.level[c][i] = level[2 * c];
        }
    }
    for (int c = 0; c < Channels; ++c) {
        ch[c].loCut = cut[c];
        detector.keepIn(ch[c].level, c);
    }
}

// Gains, link and Reduction, then the compressed samples: no recurrence.
// Every choice within a frame is made after both values are worked out, and
// the switches are template arguments, so that the loop needs no branch the
// compiler would have to take a division or a product out of.
template <int Channels, bool Linked, bool Softens>
inline void compressWith(float threshold, float slope, ChunkSignals& sig, int32_t a, int32_t b)
{
    for (int32_t i = a; i < b; ++i) {
        float g[2];
        for (int c = 0; c < Channels; ++c) {
            g[c] = compressorGain(threshold, slope, sig.level[c][i]);
        }
        if (Channels == 2 && Linked) {
            // The louder channel's gain for both, the left one's when they are level.
            g[0] = g[1] = sig.level[0][i] >= sig.level[1][i] ? g[0] : g[1];
        }
        for (int c = 0; c < Channels; ++c) {
            const float h = Softens ? reductionGain(g[c]) : g[c];
            sig.h[c][i] = h;
            sig.y[c][i] = flushToZero(sig.x[c][i] * h);
        }
    }
}

template <int Channels>
inline void compress(const CharacterBlockSettings& s, ChunkSignals& sig, int32_t a, int32_t b)
{
    if (s.linked) {
        if (s.softened) {
            compressWith<Channels, true, true>(s.threshold, s.slope, sig, a, b);
        } else {
            compressWith<Channels, true, false>(s.threshold, s.slope, sig, a, b);
        }
    } else if (s.softened) {
        compressWith<Channels, false, true>(s.threshold, s.slope, sig, a, b);
    } else {
        compressWith<Channels, false, false>(s.threshold, s.slope, sig, a, b);
    }
}

// The character detectors' recurrence.
template <int Channels>
inline void detectCharacter(CharacterChannel* ch, ChunkSignals& sig, int32_t a, int32_t b)
{
    chain_lanes::CharacterLanes detector(ch[0].character, ch[Channels - 1].character);
    for (int32_t i = a; i < b; ++i) {
        const chain_lanes::Floats4 v = detector.step(sig.y[0][i], sig.y[Channels - 1][i]);
        for (int c = 0; c < Channels; ++c) {
            sig.v[c][i] = v[2 * c];
        }
    }
    for (int c = 0; c < Channels; ++c) {
        detector.keepIn(ch[c].character, c);
    }
}

// The shared character gain and the output level: no recurrence.
template <int Channels>
inline void characterise(const CharacterBlockSettings& s, ChunkSignals& sig, int32_t a, int32_t b)
{
    for (int32_t i = a; i < b; ++i) {
        float m = characterGain(s.curve, sig.v[0][i]);
        if (Channels == 2) {
            const float right = characterGain(s.curve, sig.v[1][i]);
            m = right < m ? right : m;
        }
        for (int c = 0; c < Channels; ++c) {
            sig.z[c][i] = flushToZero(m * sig.y[c][i]) * s.outputGain;
        }
    }
}

// The limiter detectors' recurrence, into level.
template <int Channels>
inline void detectPeaks(CharacterChannel* ch, ChunkSignals& sig, int32_t a, int32_t b)
{
    chain_lanes::LimiterLanes detector(ch[0].limiter, ch[Channels - 1].limiter);
    for (int32_t i = a; i < b; ++i) {
        for (int c = 0; c < Channels; ++c) {
            detector.step(c, sig.z[c][i]);
            sig.level[c][i] = detector.levelOf(c);
        }
    }
    for (int c = 0; c < Channels; ++c) {
        detector.keepIn(ch[c].limiter, c);
    }
}

// Limiter gains, the output and what the meters read: no recurrence. With
// the limiter off level holds no limiter level, and every value drawn from
// it is left unchosen.
template <int Channels, bool Accumulate>
inline void finish(const CharacterBlockSettings& s, ChunkSignals& sig, float* const* outputs, int32_t a, int32_t b)
{
    const bool linked = Channels == 2 && s.linked && s.limiter;
    for (int32_t i = a; i < b; ++i) {
        float e[2];
        for (int c = 0; c < Channels; ++c) {
            const float limiting = limiterGain(sig.level[c][i]);
            e[c] = s.limiter ? limiting : 1.0f;
        }
        if (Channels == 2) {
            const float louder = sig.level[0][i] >= sig.level[1][i] ? e[0] : e[1];
            e[0] = linked ? louder : e[0];
            e[1] = linked ? louder : e[1];
        }
        for (int c = 0; c < Channels; ++c) {
            const float z = sig.z[c][i];
            const float limited = limitedOutput(e[c], z, s.ceiling);
            const float o = s.limiter ? limited : z;
            sig.e[c][i] = e[c];
            sig.outputLevel[c][i] = std::fabs(o);
            outputs[c][i] = Accumulate ? outputs[c][i] + o : o;
        }
        const float y0 = std::fabs(sig.y[0][i]);
        if (Channels == 2) {
            const float y1 = std::fabs(sig.y[1][i]);
            sig.compressorGain[i] = sig.h[1][i] < sig.h[0][i] ? sig.h[1][i] : sig.h[0][i];
            sig.compressedLevel[i] = y0 < y1 ? y1 : y0;
        } else {
            sig.compressorGain[i] = sig.h[0][i];
            sig.compressedLevel[i] = y0;
        }
    }
}

// The frames a through b - 1 of the chunk, all let through by the gate;
// outputs point at the chunk's first frame.
template <int Channels, bool Accumulate, class Publish>
inline void processRun(const CharacterBlockSettings& s, CharacterChannel* ch, CharacterMeters& meters,
                       Publish& publish, ChunkSignals& sig, float* const* outputs, int32_t a, int32_t b)
{
    detectLevels<Channels>(s, ch, sig, a, b);
    compress<Channels>(s, sig, a, b);
    detectCharacter<Channels>(ch, sig, a, b);
    characterise<Channels>(s, sig, a, b);
    if (s.limiter) {
        detectPeaks<Channels>(ch, sig, a, b);
    }
    finish<Channels, Accumulate>(s, sig, outputs, a, b);
    const MeterRuns runs{sig.compressorGain + a,
                         sig.compressedLevel + a,
                         {sig.outputLevel[0] + a, Channels == 2 ? sig.outputLevel[1] + a : nullptr},
                         {sig.e[0] + a, Channels == 2 ? sig.e[1] + a : nullptr}};
    meters.gatherRun<Channels>(runs, b - a, s.meterInterval, publish);
}

}  // namespace staged_frames

// Processes frames as runScalarCharacterFrames does, a chunk at a time: the
// input guard and the gate over the chunk, then each run of frames the gate
// lets through stage by stage, each stage a short loop over the run. The
// recurrences (low cut, detectors) carry their state in locals; the other
// stages have none and become vector code. The channels' histories are
// copied in once and written back once, their coefficients never. A
// chunk's inputs are read before any of its outputs is written, so inputs
// and outputs may share their buffers. Audio thread; no allocation, no
// lock, no system call.
template <int Channels, bool Accumulate, class Publish>
void runStagedCharacterFrames(const CharacterBlockSettings& s, CharacterChannel* channels, CharacterMeters& meters,
                              CharacterGateState& gateState, Publish& publish, float* const* inputs,
                              float* const* outputs, int32_t frames)
{
    using staged_frames::kChunkFrames;
    // Copies, not fresh blocks, whose construction would work out coefficients.
    CharacterChannel ch[2] = {channels[0], channels[Channels - 1]};
    SilenceGate gate(gateState.silenceCount, gateState.processingActive);
    staged_frames::ChunkSignals sig;
    for (int32_t start = 0; start < frames; start += kChunkFrames) {
        const int32_t n = frames - start < kChunkFrames ? frames - start : kChunkFrames;
        float* out[2] = {outputs[0] + start, outputs[Channels - 1] + start};
        if (!staged_frames::guardInputs<Channels>(inputs, start, n, sig)) {
            // No frame is near-silent: the gate opens at the first and stays open.
            gate.step(false);
            staged_frames::processRun<Channels, Accumulate>(s, ch, meters, publish, sig, out, 0, n);
            continue;
        }
        for (int32_t i = 0; i < n; ++i) {
            sig.open[i] = gate.step(sig.quiet[i] != 0) ? 1 : 0;
        }
        for (int32_t i = 0; i < n;) {
            int32_t end = i;
            while (end < n && sig.open[end] != 0) {
                ++end;
            }
            if (end > i) {
                staged_frames::processRun<Channels, Accumulate>(s, ch, meters, publish, sig, out, i, end);
                i = end;
                continue;
            }
            // A bypassed frame leaves every history where it was; only the meters count on.
            meters.skip<Channels>(s.meterInterval, publish);
            for (int c = 0; c < Channels; ++c) {
                out[c][i] = Accumulate ? out[c][i] : 0.0f;
            }
            ++i;
        }
    }
    for (int c = 0; c < Channels; ++c) {
        channels[c].keepHistoriesOf(ch[c]);
    }
    gateState.silenceCount = gate.silenceCount();
    gateState.processingActive = gate.processingActive();
}

}  // namespace fendwick
