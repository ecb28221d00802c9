// One request a plug-in sent to the host through its callback.
#pragma once

#include <cstdint>

namespace fendwick {

// What the callback received, minus the pointer (which is only valid during
// the call). `option` is the float argument, for example the automated value.
struct HostRequest {
    int32_t opcode = 0;
    int32_t index = 0;
    intptr_t value = 0;
    float option = 0.0f;
};

}  // namespace fendwick
