// The entries that make the two three-band plug-ins, for their libraries
// and for programs that link them in.
#include "multiband_compressor.h"
#include "plugin_entry.h"

namespace fendwick {

EffectRecord* createAscarell3(HostCallback hostCallback)
{
    return createEffect<MultibandCompressor>(hostCallback, MultibandChannels::stereo);
}

EffectRecord* createAscarell3Mono(HostCallback hostCallback)
{
    return createEffect<MultibandCompressor>(hostCallback, MultibandChannels::mono);
}

}  // namespace fendwick
