// The module-wide knob mode the host sets through any editor.
#pragma once

#include <cstdint>

namespace fendwick {

// Knob modes the host may set; any mode other than linear drags circularly.
namespace KnobMode {
constexpr int32_t circular = 0;
constexpr int32_t linear = 2;
}  // namespace KnobMode

// Shared by every editor of the library; 0 (circular) at load. A plain value:
// the host sets it on its user-interface thread, where the knobs read it.
void setKnobMode(int32_t mode);
int32_t knobMode();

}  // namespace fendwick
