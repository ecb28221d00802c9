// The input side of the character compressor's staged frame loop: the
// frames of a block the silence gate lets through, guarded and packed into
// groups. Built only where the x86 vector paths are.
#pragma once

#include "frame_group_lanes.h"
#include "lane_types.h"
#include "sample_guards.h"
#include "silence_gate.h"

#include <cstdint>
#include <cstring>

namespace fendwick {

namespace staged_frames {

// Frames a group holds; the stages loop over a group at a time.
constexpr int32_t kGroupFrames = 64;

// The usable inputs of up to kGroupFrames frames and which of them are near-silent.
struct GuardedFrames {
    alignas(64) float x[2][kGroupFrames];
    alignas(64) int32_t quiet[kGroupFrames];  // 1 where every input is near-silent
};

// The input guard over the frames 0 to n - 1 at start, four at a time, and
// which of them are near-silent in every channel; answers whether any is.
template <int Channels>
inline bool guardInputs(float* const* inputs, int32_t start, int32_t n, GuardedFrames& g)
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
            std::memcpy(&g.x[c][i], &x, sizeof x);
            quiet &= SilenceGate::nearSilent<Bits>(x);
        }
        quiet &= 1;
        std::memcpy(&g.quiet[i], &quiet, sizeof quiet);
        anyQuiet |= quiet;
    }
    return (anyQuiet[0] | anyQuiet[1] | anyQuiet[2] | anyQuiet[3]) != 0;
}

// The frames of a group as they enter the stages: the usable inputs, the
// frame each came from, and how many frames the gate bypassed just before
// it, which the meters count in their place.
struct GroupInputs {
    alignas(64) float x[2][kGroupFrames];
    alignas(64) int32_t frame[kGroupFrames];
    alignas(64) int32_t bypassedBefore[kGroupFrames];
    int32_t count;
};

// Reads a block's inputs a group of frames at a time through the input
// guard and the gate, writes 0.0 to the outputs of the bypassed frames when
// replacing, and hands on the frames processed in groups, in order. A frame's
// inputs are read before its output is written, so inputs and outputs may
// share their buffers. Audio thread; no allocation.
template <int Channels, bool Accumulate>
class GatedFrameStream {
public:
    GatedFrameStream(SilenceGate& blockGate, float* const* blockInputs, float* const* blockOutputs,
                     int32_t blockFrames)
        : gate(blockGate), inputs(blockInputs), outputs(blockOutputs), frames(blockFrames)
    {
    }

    // The next up to kGroupFrames frames processed into group; answers their count, 0 at the end.
    int32_t next(GroupInputs& group)
    {
        while (held < kGroupFrames && read < frames) {
            readGroup();
        }
        const int32_t n = held < kGroupFrames ? held : kGroupFrames;
        for (int c = 0; c < Channels; ++c) {
            std::memcpy(group.x[c], pending.x[c], sizeof(float) * static_cast<size_t>(n));
            std::memmove(pending.x[c], pending.x[c] + n, sizeof(float) * static_cast<size_t>(held - n));
        }
        std::memcpy(group.frame, pending.frame, sizeof(int32_t) * static_cast<size_t>(n));
        std::memmove(pending.frame, pending.frame + n, sizeof(int32_t) * static_cast<size_t>(held - n));
        std::memcpy(group.bypassedBefore, pending.bypassedBefore, sizeof(int32_t) * static_cast<size_t>(n));
        std::memmove(pending.bypassedBefore, pending.bypassedBefore + n,
                     sizeof(int32_t) * static_cast<size_t>(held - n));
        held -= n;
        group.count = n;
        return n;
    }

    // The frames bypassed after the last frame handed on; meaningful once next answered 0.
    int32_t bypassedAtEnd() const { return bypassed; }

private:
    void readGroup()
    {
        const int32_t n = frames - read < kGroupFrames ? frames - read : kGroupFrames;
        if (!guardInputs<Channels>(inputs, read, n, guarded)) {
            // No frame is near-silent: the gate opens at the first and stays open.
            gate.step(false);
            for (int c = 0; c < Channels; ++c) {
                std::memcpy(pending.x[c] + held, guarded.x[c], sizeof(float) * static_cast<size_t>(n));
            }
            for (int32_t i = 0; i < n; ++i) {
                pending.frame[held + i] = read + i;
                pending.bypassedBefore[held + i] = 0;
            }
            pending.bypassedBefore[held] = bypassed;
            bypassed = 0;
            held += n;
            read += n;
            return;
        }
        for (int32_t i = 0; i < n; ++i) {
            if (!gate.step(guarded.quiet[i] != 0)) {
                ++bypassed;
                for (int c = 0; c < Channels; ++c) {
                    outputs[c][read + i] = Accumulate ? outputs[c][read + i] : 0.0f;
                }
                continue;
            }
            for (int c = 0; c < Channels; ++c) {
                pending.x[c][held] = guarded.x[c][i];
            }
            pending.frame[held] = read + i;
            pending.bypassedBefore[held] = bypassed;
            bypassed = 0;
            ++held;
        }
        read += n;
    }

    // Up to one group left over and one read.
    struct Pending {
        float x[2][2 * kGroupFrames];
        int32_t frame[2 * kGroupFrames];
        int32_t bypassedBefore[2 * kGroupFrames];
    };

    SilenceGate& gate;
    float* const* inputs;
    float* const* outputs;
    int32_t frames;
    int32_t read = 0;      // frames read so far
    int32_t held = 0;      // frames processed but not yet handed on
    int32_t bypassed = 0;  // frames bypassed since the last one processed
    GuardedFrames guarded;
    Pending pending;
};

}  // namespace staged_frames

}  // namespace fendwick
