// The single-band plug-in object the library entry creates.
#pragma once

#include "ascarell_compressor.h"

namespace fendwick {

// Adds the editor to the compressor; the effect base has the editor follow
// every parameter change, from the host or from the editor.
class AscarellEffect : public AscarellCompressor {
public:
    AscarellEffect(HostCallback callback, AscarellChannels channels);
};

}  // namespace fendwick
