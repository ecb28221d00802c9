// The module-wide knob mode the host sets through any editor.
#include "knob_mode.h"

namespace fendwick {
namespace {

int32_t currentKnobMode = KnobMode::circular;

}  // namespace

void setKnobMode(int32_t mode) { currentKnobMode = mode; }

int32_t knobMode() { return currentKnobMode; }

}  // namespace fendwick
