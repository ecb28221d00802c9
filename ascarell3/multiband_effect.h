// The three-band plug-in object the library entry creates.
#pragma once

#include "multiband_compressor.h"

namespace fendwick {

// Adds the editor to the compressor; the effect base has the editor follow
// every parameter change, from the host or from the editor.
class MultibandEffect : public MultibandCompressor {
public:
    MultibandEffect(HostCallback callback, MultibandChannels channels);
};

}  // namespace fendwick
