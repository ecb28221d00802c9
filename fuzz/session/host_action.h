// One step of a fuzzed host session: a request, a parameter or program change, or a process call.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace fendwick {

// A host step with every argument it may carry; each kind reads only the
// fields its comment names, the others stay at their defaults.
struct HostAction {
    enum class Kind : uint8_t {
        dispatch,             // opcode, index, value, number (option), text (into the buffer)
        setParameter,         // index, number
        getParameter,         // index
        setProgram,           // value
        renameProgram,        // text
        setSampleRate,        // number
        setBlockSize,         // value
        resume,
        suspend,
        processReplacing,     // frames, samples
        processAccumulating,  // frames, samples
    };
    static constexpr int kKindCount = static_cast<int>(Kind::processAccumulating) + 1;
    // Samples are decoded for this many input channels, channel after
    // channel; a plug-in with more inputs sees them again.
    static constexpr int kChannels = 2;
    static constexpr int kMostFrames = 64;

    Kind kind = Kind::dispatch;
    int32_t opcode = 0;
    int32_t index = 0;
    int32_t value = 0;
    float number = 0.0f;
    std::string text;
    int32_t frames = 0;
    std::vector<float> samples;
};

}  // namespace fendwick
