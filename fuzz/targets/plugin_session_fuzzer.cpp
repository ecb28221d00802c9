// libFuzzer target: the input bytes are a host session played on one instance of the plug-in linked in.
#include "action_decoder.h"
#include "action_player.h"
#include "hosted_plugin.h"

#include <cstdio>
#include <cstdlib>

// The build names the plug-in's factory and deliverable for each target.
namespace fendwick {
EffectRecord* FENDWICK_FUZZ_FACTORY(HostCallback hostCallback);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<fendwick::HostAction> actions = fendwick::decodeActions(data, size);
    fendwick::HostedPlugin plugin(&fendwick::FENDWICK_FUZZ_FACTORY, FENDWICK_FUZZ_PLUGIN);
    if (const std::optional<std::string> finding = fendwick::playActions(plugin, actions)) {
        std::fprintf(stderr, "%s: %s\n", FENDWICK_FUZZ_PLUGIN, finding->c_str());
        std::abort();
    }
    return 0;
}
