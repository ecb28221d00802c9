// The entries that make the two single-band plug-ins, for their libraries
// and for programs that link them in.
#include "ascarell_effect.h"
#include "plugin_entry.h"

namespace fendwick {

EffectRecord* createAscarell(HostCallback hostCallback)
{
    return createEffect<AscarellEffect>(hostCallback, AscarellChannels::stereo);
}

EffectRecord* createAscarellMono(HostCallback hostCallback)
{
    return createEffect<AscarellEffect>(hostCallback, AscarellChannels::mono);
}

}  // namespace fendwick
