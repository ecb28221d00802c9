// The three-band character plug-in object the library entry creates.
#pragma once

#include "multiband_character_compressor.h"

namespace fendwick {

// Adds the editor to the compressor; the effect base has the editor follow
// every parameter change and every meter reading.
class MultibandCharacterEffect : public MultibandCharacterCompressor {
public:
    explicit MultibandCharacterEffect(HostCallback callback);
};

}  // namespace fendwick
