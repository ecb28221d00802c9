// The entry that makes the three-band character plug-in, for its library
// and for programs that link it in.
#include "multiband_character_effect.h"
#include "plugin_entry.h"

namespace fendwick {

EffectRecord* createTolverin3Mono(HostCallback hostCallback)
{
    return createEffect<MultibandCharacterEffect>(hostCallback);
}

}  // namespace fendwick
