// The single-band compressor's silence gate, four frames at a time.
#pragma once

#include <cstdint>

namespace fendwick {

// Inputs strictly inside +-0.00001 count as near-silent; after more than 100
// such frames in a row the gate mutes and stops the work until the first
// frame that is not near-silent. Copied from the compressor's fields for one
// block on the audio thread and written back after it.
class SilenceGate {
public:
    static constexpr float kSilenceBound = 0.00001f;

    SilenceGate(int32_t silenceCount, int32_t processingActive) : silence(silenceCount), active(processingActive)
    {
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

    int32_t silenceCount() const { return silence; }
    int32_t processingActive() const { return active; }

private:
    static constexpr int32_t kSilentFramesBeforeIdle = 100;
    static constexpr int32_t kIdleSilenceCount = 110;

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

    int32_t silence;
    int32_t active;
};

}  // namespace fendwick
