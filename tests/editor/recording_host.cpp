// A host callback for in-process editor tests that records what a plug-in asks.
#include "recording_host.h"

namespace fendwick {

std::vector<RecordedRequest> RecordingHost::requests;
std::function<void()> RecordingHost::onIdle;

intptr_t RecordingHost::callback(EffectRecord*, int32_t opcode, int32_t index, intptr_t, void*, float option)
{
    requests.push_back({opcode, index, option});
    if (opcode == HostOpcode::version) {
        return kInterfaceVersion;
    }
    if (opcode == HostOpcode::idle && onIdle) {
        onIdle();
    }
    return 0;
}

void RecordingHost::clear()
{
    requests.clear();
    onIdle = nullptr;
}

}  // namespace fendwick
