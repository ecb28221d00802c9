// The entries that make the two three-band plug-ins, for their libraries
// and for programs that link them in.
#include "multiband_effect.h"
#include "plugin_entry.h"

namespace fendwick {

EffectRecord* createAscarell3(HostCallback hostCallback)
{
    return createEffect<MultibandEffect>(hostCallback, MultibandChannels::stereo);
}

EffectRecord* createAscarell3Mono(HostCallback hostCallback)
{
    return createEffect<MultibandEffect>(hostCallback, MultibandChannels::mono);
}

}  // namespace fendwick
