// What the stereo and the mono three-band plug-ins tell the host about themselves.
#include "ascarell3_tables.h"

#include "vst2_abi.h"

namespace fendwick {

namespace {

constexpr int32_t kAscarell3Flags = EffectFlag::canMono | EffectFlag::canReplace;

}  // namespace

const PluginIdentity kAscarell3StereoIdentity{
    "Ascarell3", "Ascarell3", "Fendwick", 1000, PlugCategory::effect, fourCharCode("qk23"), 2, 2,
    kAscarell3ProgramCount, Ascarell3Param::count, kAscarell3Flags};

const PluginIdentity kAscarell3MonoIdentity{
    "Ascarell3_mono", "Ascarell3_mono", "Fendwick", 1000, PlugCategory::effect, fourCharCode("qk24"), 1, 1,
    kAscarell3ProgramCount, Ascarell3Param::count, kAscarell3Flags};

}  // namespace fendwick
