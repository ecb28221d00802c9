// The entries that make the two single-band character plug-ins, for their
// libraries and for programs that link them in.
#include "character_compressor.h"
#include "plugin_entry.h"

namespace fendwick {

EffectRecord* createTolverin(HostCallback hostCallback)
{
    return createEffect<CharacterCompressor>(hostCallback, CharacterChannels::stereo);
}

EffectRecord* createTolverinMono(HostCallback hostCallback)
{
    return createEffect<CharacterCompressor>(hostCallback, CharacterChannels::mono);
}

}  // namespace fendwick
