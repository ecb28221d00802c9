// The editor's texts of the single-band parameters, in words and units.
#pragma once

#include "parameter_table.h"

#include <cstddef>
#include <cstdint>

namespace fendwick {

// What the text display shows before any parameter has changed.
void idleDisplayText(float x, char* text, size_t capacity);

// The editor text of a parameter's row: its caption and the value in units,
// the same number the host's display text shows; null for ARC, whose switch
// shows its state, and for unknown indexes.
ParameterText ascarellValueText(int32_t index);

}  // namespace fendwick
