// The dark plates of the product-information buttons, before their lettering.
#pragma once

#include "canvas.h"
#include "theme.h"

namespace fendwick::artwork {

// A plate of brushed dark metal with a bevelled rim, filling width x height.
Canvas paintPlate(int width, int height, const Theme& theme);

}  // namespace fendwick::artwork
