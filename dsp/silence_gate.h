// The silence gate every line runs before its detectors.
#pragma once

#include "sample_guards.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace fendwick {

// Inputs strictly inside +-0.00001 count as near-silent; after more than 100
// such frames in a row the gate mutes and stops the work until the first
// frame that is not near-silent. Copied from the compressor's fields for one
// block on the audio thread and written back after it.
class SilenceGate {
public:
    static constexpr float kSilenceBound = 0.00001f;

    // -kSilenceBound < x < kSilenceBound, as one test of the magnitude's
    // bits (NaN is never near-silent): a bool for a float with
    // Bits = uint32_t, a lane mask for a vector with Bits its uint32_t lanes.
    template <class Bits, class Value>
    static auto nearSilent(const Value& x)
    {
        Bits bits;
        std::memcpy(&bits, &x, sizeof bits);
        return (bits & kMagnitudeBits) < floatBits(kSilenceBound);
    }

    // Whether every input of channels 0 to channels - 1 over the frames is
    // near-silent as the gate takes it, through the input guard.
    static bool allNearSilent(const float* const* inputs, int channels, int32_t frames)
    {
        for (int c = 0; c < channels; ++c) {
            for (int32_t i = 0; i < frames; ++i) {
                if (!nearSilent<uint32_t>(usableInput(inputs[c][i]))) {
                    return false;
                }
            }
        }
        return true;
    }

    SilenceGate(int32_t silenceCount, int32_t processingActive) : silence(silenceCount), active(processingActive)
    {
    }

    // One frame: answers whether it is processed.
    bool step(bool quiet)
    {
        if (!quiet) {
            silence = 0;
            active = 1;
            return true;
        }
        if (++silence > kSilentFramesBeforeIdle) {
            silence = kIdleSilenceCount;
            active = 0;
        }
        return active != 0;
    }

    // Runs frameCount (1 to 4) frames, of which bit k of quietFrames marks
    // frame k near-silent, and answers the frames processed, as bits.
    uint32_t run(uint32_t quietFrames, int32_t frameCount)
    {
        const uint32_t all = (1u << frameCount) - 1u;
        if ((quietFrames & all) == 0) {
            silence = 0;
            active = 1;
            return all;
        }
        uint32_t open = 0;
        for (int32_t k = 0; k < frameCount; ++k) {
            open |= step((quietFrames >> k & 1u) != 0) ? 1u << k : 0u;
        }
        return open;
    }

    // Whether the gate mutes: every near-silent frame from here on is bypassed.
    bool idle() const { return active == 0; }

    // n near-silent frames in a row while the gate is idle, as n steps
    // would take them: all bypassed.
    void passIdle(int32_t n) { silence = countAfterIdle(silence, n); }

    // The silence count of an idle gate after n near-silent frames.
    static int32_t countAfterIdle(int32_t silenceCount, int32_t n)
    {
        return silenceCount + n > kSilentFramesBeforeIdle ? kIdleSilenceCount : silenceCount + n;
    }

    // The outputs of n frames the gate bypasses from `first` on, in each
    // of channels: silent, or left alone when accumulating.
    template <bool Accumulate>
    static void silenceOutputs(float* const* outputs, int channels, int32_t first, int32_t n)
    {
        if (!Accumulate) {
            for (int c = 0; c < channels; ++c) {
                std::fill_n(outputs[c] + first, n, 0.0f);
            }
        }
    }

    int32_t silenceCount() const { return silence; }
    int32_t processingActive() const { return active; }

private:
    static constexpr uint32_t kMagnitudeBits = 0x7fffffffu;
    static constexpr int32_t kSilentFramesBeforeIdle = 100;
    static constexpr int32_t kIdleSilenceCount = 110;

    int32_t silence;
    int32_t active;
};

}  // namespace fendwick
