// The three-band plug-in object the library entry creates.
#include "multiband_effect.h"

#include "artwork_tables.h"
#include "multiband_editor.h"
#include "plugin_entry.h"

#include <new>

namespace fendwick {

MultibandEffect::MultibandEffect(HostCallback callback, MultibandChannels channels)
    : MultibandCompressor(callback, channels)
{
    // The editor registers itself with the effect as it is made; stereo and
    // mono show the same pictures.
    if (new (std::nothrow) MultibandEditor(this, ascarell3Artwork) == nullptr) {
        editorCreationFailed = true;
    }
}

}  // namespace fendwick
