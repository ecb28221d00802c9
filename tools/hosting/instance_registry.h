// Finds the hosted instance a callback request belongs to.
#pragma once

#include "vst2_abi.h"

namespace fendwick {

class HostedPlugin;

// Module-wide map from effect record to its `HostedPlugin`, because the host
// callback receives only the record. While an entry runs, the record is not
// known yet (the version request even comes with a null record), so the
// instance under construction on the calling thread answers those requests.
// Any thread may call; a lock guards the map.
class InstanceRegistry {
public:
    static void add(const EffectRecord* effect, HostedPlugin* instance);
    static void remove(const EffectRecord* effect);
    // The instance of `effect`, else the one being created on this thread, else null.
    static HostedPlugin* find(const EffectRecord* effect);

    // Marks the instance whose entry call is running on this thread, for as
    // long as this object lives.
    class Construction {
    public:
        explicit Construction(HostedPlugin* instance);
        ~Construction();
        Construction(const Construction&) = delete;
        Construction& operator=(const Construction&) = delete;
    };
};

}  // namespace fendwick
