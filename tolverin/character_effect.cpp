// The single-band character plug-in object the library entry creates.
#include "character_effect.h"

#include "artwork_tables.h"
#include "character_editor.h"
#include "editor_texts.h"
#include "plugin_entry.h"
#include "tolverin_editor_layout.h"
#include "tolverin_tables.h"

#include <new>

namespace fendwick {

CharacterEffect::CharacterEffect(HostCallback callback, CharacterChannels channels)
    : CharacterCompressor(callback, channels)
{
    // The editor registers itself with the effect as it is made. The two
    // builds place and number their pictures differently.
    CharacterEditor* made = nullptr;
    if (isStereo()) {
        made = new (std::nothrow)
            CharacterEditor(this, tolverinArtwork, TolverinLayout::stereo, EditorTexts<kTolverinParameterRows>::of);
    } else {
        made = new (std::nothrow) CharacterEditor(this, tolverinMonoArtwork, TolverinLayout::mono,
                                                  EditorTexts<kTolverinMonoParameterRows>::of);
    }
    if (made == nullptr) {
        editorCreationFailed = true;
    }
}

}  // namespace fendwick
