// The single-band plug-in object the library entry creates.
#include "ascarell_effect.h"

#include "editor_base.h"

namespace fendwick {

AscarellEffect::AscarellEffect(HostCallback callback, AscarellChannels channels)
    : AscarellCompressor(callback, channels)
{
    setUniqueId(fourCharCode(channels == AscarellChannels::stereo ? "qk21" : "qk22"));
}

void AscarellEffect::setParameter(int32_t index, float value)
{
    AscarellCompressor::setParameter(index, value);
    if (editor != nullptr) {
        editor->setParameter(index, value);
    }
}

}  // namespace fendwick
