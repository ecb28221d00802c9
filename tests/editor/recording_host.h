// A host callback for in-process editor tests that records what a plug-in asks.
#pragma once

#include "vst2_abi.h"

#include <functional>
#include <vector>

namespace fendwick {

struct RecordedRequest {
    int32_t opcode;
    int32_t index;
    float option;
};

// Module-wide, since a host callback carries no context of its own; tests
// clear it in their set-up.
struct RecordingHost {
    static intptr_t callback(EffectRecord* effect, int32_t opcode, int32_t index, intptr_t value, void* pointer,
                             float option);
    static void clear();
    static std::vector<RecordedRequest> requests;
    // Run when the plug-in asks the host to idle (opcode 3).
    static std::function<void()> onIdle;
};

}  // namespace fendwick
