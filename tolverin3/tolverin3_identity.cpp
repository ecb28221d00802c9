// What the three-band character plug-in tells the host about itself.
#include "tolverin3_tables.h"

#include "vst2_abi.h"

namespace fendwick {

const PluginIdentity kTolverin3MonoIdentity{
    "Tolverin3 mono", "Tolverin3 mono", "Fendwick", 1000, PlugCategory::effect, fourCharCode("qk18"), 1, 1,
    kTolverin3ProgramCount, Tolverin3Param::count, EffectFlag::canMono | EffectFlag::canReplace};

}  // namespace fendwick
