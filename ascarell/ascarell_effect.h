// The single-band plug-in object the library entry creates.
#pragma once

#include "ascarell_compressor.h"

namespace fendwick {

// Adds the editor to the compressor and keeps its controls following every
// parameter change, from the host or from the editor.
class AscarellEffect : public AscarellCompressor {
public:
    AscarellEffect(HostCallback callback, AscarellChannels channels);

    void setParameter(int32_t index, float value) override;
};

}  // namespace fendwick
