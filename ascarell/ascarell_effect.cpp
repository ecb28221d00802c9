// The single-band plug-in object the library entry creates.
#include "ascarell_effect.h"

#include "ascarell_editor.h"
#include "plugin_entry.h"
#include "artwork_tables.h"

#include <new>

namespace fendwick {

AscarellEffect::AscarellEffect(HostCallback callback, AscarellChannels channels)
    : AscarellCompressor(callback, channels)
{
    // The editor registers itself with the effect as it is made; stereo and
    // mono show the same pictures.
    if (new (std::nothrow) AscarellEditor(this, ascarellArtwork) == nullptr) {
        editorCreationFailed = true;
    }
}

}  // namespace fendwick
