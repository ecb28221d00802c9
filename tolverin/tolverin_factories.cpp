// The entries that make the two single-band character plug-ins, for their
// libraries and for programs that link them in.
#include "character_effect.h"
#include "plugin_entry.h"

namespace fendwick {

EffectRecord* createTolverin(HostCallback hostCallback)
{
    return createEffect<CharacterEffect>(hostCallback, CharacterChannels::stereo);
}

EffectRecord* createTolverinMono(HostCallback hostCallback)
{
    return createEffect<CharacterEffect>(hostCallback, CharacterChannels::mono);
}

}  // namespace fendwick
