// The input side of the character compressor's staged frame loop: the
// frames of a block the silence gate lets through, guarded and packed into
// groups. Built only where the x86 vector paths are.
#pragma once

#include "frame_group_lanes.h"
#include "input_guard_avx512.h"
#include "lane_types.h"
#include "sample_guards.h"
#include "silence_gate.h"

#include <cstdint>
#include <cstring>

namespace fendwick {

namespace staged_frames {

// Frames a group holds; the stages loop over a group at a time.
constexpr int32_t kGroupFrames = 64;

// Floats a channel's inputs take in a group: room past its frames for the
// guard, which stores up to sixteen frames at a time from any frame on,
// rounded up to 64 bytes so that every channel starts on a cache line.
constexpr int32_t kGroupStride = kGroupFrames + 16;

// The input guard over the frames 0 to n - 1 at start into x[c] from
// frame 0 on, four at a time (up to three past n, as zeros), and which of
// them are near-silent in every channel, as 1 in quiet; answers whether any is.
template <int Channels>
inline bool guardInputs(float* const* inputs, int32_t start, int32_t n, float* const* x, int32_t* quiet)
{
    using Floats = LaneTypes<frame_group::kFrames>::Floats;
    using Ints = LaneTypes<frame_group::kFrames>::Ints;
    using Bits = LaneTypes<frame_group::kFrames>::Bits;
    Ints anyQuiet{};
    for (int32_t i = 0; i < n; i += frame_group::kFrames) {
        const int32_t valid = n - i < frame_group::kFrames ? n - i : frame_group::kFrames;
        Ints silent = Ints{0, 1, 2, 3} < valid;
        for (int c = 0; c < Channels; ++c) {
            auto v = reinterpret_cast<Floats>(frame_group::loadFrames(inputs[c] + start + i, valid));
            usableInputInPlace<Bits>(v);
            std::memcpy(&x[c][i], &v, sizeof v);
            silent &= SilenceGate::nearSilent<Bits>(v);
        }
        silent &= 1;
        std::memcpy(&quiet[i], &silent, sizeof silent);
        anyQuiet |= silent;
    }
    return (anyQuiet[0] | anyQuiet[1] | anyQuiet[2] | anyQuiet[3]) != 0;
}

// The frames of a group as they enter the stages: the usable inputs, the
// frame each came from, and how many frames the gate bypassed just before
// it, which the meters count in their place.
struct GroupInputs {
    alignas(64) float x[2][kGroupStride];
    alignas(64) int32_t frame[kGroupFrames];
    alignas(64) int32_t bypassedBefore[kGroupFrames];
    int32_t count;
};

// Reads a block's inputs through the input guard and the gate straight into
// groups, writes 0.0 to the outputs of the bypassed frames when replacing,
// and hands on the frames processed in groups, in order. A frame's inputs
// are read before its output is written, so inputs and outputs may share
// their buffers. Audio thread; no allocation.
template <int Channels, bool Accumulate, int Width>
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
        group.count = 0;
        while (group.count < kGroupFrames && read < frames) {
            readInto(group);
        }
        return group.count;
    }

    // The frames bypassed after the last frame handed on; meaningful once next answered 0.
    int32_t bypassedAtEnd() const { return bypassed; }

private:
    // The next n inputs guarded into x, Width frames at a time; answers
    // whether any frame is near-silent, as quiet has them.
    bool guardedInputs(int32_t n, float* const* x)
    {
        if constexpr (Width == 16) {
            return guardInputsAvx512<Channels>(inputs, read, n, x, quiet);
        } else {
            static_assert(Width == frame_group::kFrames, "four frames at a time, or sixteen");
            return guardInputs<Channels>(inputs, read, n, x, quiet);
        }
    }

    // As many frames as the group has room for, guarded in place at its end,
    // then the ones the gate bypasses taken out.
    void readInto(GroupInputs& group)
    {
        const int32_t held = group.count;
        const int32_t room = kGroupFrames - held;
        const int32_t n = frames - read < room ? frames - read : room;
        float* const x[2] = {group.x[0] + held, group.x[1] + held};
        for (int c = 0; c < Channels; ++c) {
            for (int32_t k = 0; k < kGroupFrames; k += 16) {
                __builtin_prefetch(inputs[c] + read + n + k);
            }
        }
        if (!guardedInputs(n, x)) {
            // No frame is near-silent: the gate opens at the first and stays open.
            gate.step(false);
            for (int32_t i = 0; i < n; ++i) {
                group.frame[held + i] = read + i;
                group.bypassedBefore[held + i] = 0;
            }
            group.bypassedBefore[held] = bypassed;
            bypassed = 0;
            group.count += n;
            read += n;
            return;
        }
        if (gate.idle() && allQuiet(n)) {
            // Silence goes on: every frame is bypassed.
            gate.passIdle(n);
            SilenceGate::silenceOutputs<Accumulate>(outputs, Channels, read, n);
            bypassed += n;
            read += n;
            return;
        }
        int32_t kept = held;
        for (int32_t i = 0; i < n; ++i) {
            if (!gate.step(quiet[i] != 0)) {
                ++bypassed;
                for (int c = 0; c < Channels; ++c) {
                    outputs[c][read + i] = Accumulate ? outputs[c][read + i] : 0.0f;
                }
                continue;
            }
            for (int c = 0; c < Channels; ++c) {
                group.x[c][kept] = group.x[c][held + i];
            }
            group.frame[kept] = read + i;
            group.bypassedBefore[kept] = bypassed;
            bypassed = 0;
            ++kept;
        }
        group.count = kept;
        read += n;
    }

    // Whether the first n frames read are all near-silent.
    bool allQuiet(int32_t n) const
    {
        int32_t all = 1;
        for (int32_t i = 0; i < n; ++i) {
            all &= quiet[i];
        }
        return all != 0;
    }

    SilenceGate& gate;
    float* const* inputs;
    float* const* outputs;
    int32_t frames;
    int32_t read = 0;      // frames read so far
    int32_t bypassed = 0;  // frames bypassed since the last one processed
    alignas(64) int32_t quiet[kGroupStride];  // 1 where every input of a frame read is near-silent
};

}  // namespace staged_frames

}  // namespace fendwick
