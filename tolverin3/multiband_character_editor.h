// The three-band character plug-in's editor: per band its switches, knobs,
// value fields and meters, the crossover, SonicFilter and output section,
// and the title strip; with ParamLink on, moving one band's control moves
// the same control of every band.
#pragma once

#include "character_editor.h"

#include <cstdint>

namespace fendwick {

// Lives as long as the plug-in; each open builds the views anew. The
// plug-in sets one parameter at a time and never links bands itself: the
// links are made here, where the user acts, so that what a host restores is
// set exactly as it was saved.
class MultibandCharacterEditor : public CharacterEditor {
public:
    // Every picture comes from `table`, which outlives the editor.
    MultibandCharacterEditor(EffectBase* owner, const ArtworkTable& table);

protected:
    // Moving one crossover point may push the other along.
    int32_t movesAlong(int32_t index) const override;
    // With ParamLink on, a band's Thresh, Ratio, Attack, Release, ARC, In or
    // Type sets the same parameter of all three bands; PW and Comp stay
    // their band's own.
    int32_t editedTogether(int32_t tag, int32_t (&tags)[kMostEditedTogether]) const override;
};

}  // namespace fendwick
