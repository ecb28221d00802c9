// What the stereo and the mono character plug-ins tell the host about themselves.
#include "tolverin_tables.h"

#include "vst2_abi.h"

namespace fendwick {

namespace {

constexpr int32_t kTolverinFlags = EffectFlag::canMono | EffectFlag::canReplace;

}  // namespace

const PluginIdentity kTolverinStereoIdentity{
    "Tolverin", "Tolverin", "Fendwick", 1000, PlugCategory::effect, fourCharCode("qk12"), 2, 2,
    kTolverinProgramCount, TolverinParam::count, kTolverinFlags};

const PluginIdentity kTolverinMonoIdentity{
    "Tolverin mono", "Tolverin mono", "Fendwick", 1000, PlugCategory::effect, fourCharCode("qk13"), 1, 1,
    kTolverinProgramCount, TolverinMonoParam::count, kTolverinFlags};

}  // namespace fendwick
