// What the stereo and the mono single-band plug-ins tell the host about themselves.
#include "ascarell_tables.h"

#include "vst2_abi.h"

namespace fendwick {

namespace {

constexpr int32_t kAscarellFlags = EffectFlag::canMono | EffectFlag::canReplace;

}  // namespace

const PluginIdentity kAscarellStereoIdentity{
    "Ascarell", "Ascarell", "Fendwick", 1000, PlugCategory::effect, fourCharCode("qk21"), 2, 2,
    kAscarellProgramCount, AscarellParam::count, kAscarellFlags};

const PluginIdentity kAscarellMonoIdentity{
    "Ascarell_mono", "Ascarell_mono", "Fendwick", 1000, PlugCategory::effect, fourCharCode("qk22"), 1, 1,
    kAscarellProgramCount, AscarellParam::count, kAscarellFlags};

}  // namespace fendwick
