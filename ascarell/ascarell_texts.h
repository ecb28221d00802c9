// The editor's texts of the single-band parameters, in words and units.
#pragma once

#include "editor_texts.h"

#include <cstddef>
#include <cstdint>

namespace fendwick {

// The editor text of a parameter's row: its caption and the value in units,
// the same number the host's display text shows; null for ARC, whose switch
// shows its state, and for unknown indexes.
ParameterText ascarellValueText(int32_t index);

}  // namespace fendwick
