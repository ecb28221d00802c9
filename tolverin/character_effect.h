// The single-band character plug-in object the library entry creates.
#pragma once

#include "character_compressor.h"

namespace fendwick {

// Adds the editor of its build to the compressor; the effect base has the
// editor follow every parameter change and every meter reading.
class CharacterEffect : public CharacterCompressor {
public:
    CharacterEffect(HostCallback callback, CharacterChannels channels);
};

}  // namespace fendwick
