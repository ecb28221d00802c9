// The three-band character plug-in object the library entry creates.
#include "multiband_character_effect.h"

#include "artwork_tables.h"
#include "multiband_character_editor.h"
#include "plugin_entry.h"

#include <new>

namespace fendwick {

MultibandCharacterEffect::MultibandCharacterEffect(HostCallback callback) : MultibandCharacterCompressor(callback)
{
    // The editor registers itself with the effect as it is made.
    if (new (std::nothrow) MultibandCharacterEditor(this, tolverin3Artwork) == nullptr) {
        editorCreationFailed = true;
    }
}

}  // namespace fendwick
