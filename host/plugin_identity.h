// What a plug-in tells the host about itself, one constant row per build.
#pragma once

#include <cstdint>

namespace fendwick {

// The identity EffectBase writes into the effect record and answers the
// host's name, vendor and category questions from. The editor adds the
// has-editor flag itself when it is made.
struct PluginIdentity {
    const char* effectName;   // written whole: "Ascarell3_mono" has 14 characters
    const char* productName;
    const char* vendorName;
    int32_t vendorVersion;
    int32_t category;         // a PlugCategory
    int32_t uniqueId;         // fourCharCode of the registered id
    int32_t numInputs;
    int32_t numOutputs;
    int32_t numPrograms;
    int32_t numParams;        // declared to the host
    int32_t flags;            // EffectFlag bits
};

}  // namespace fendwick
