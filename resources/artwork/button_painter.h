// Pictures of the switches: lamp buttons with two images and segmented
// switches with one image per position.
#pragma once

#include "canvas.h"
#include "theme.h"
#include "typefaces.h"

#include <string>
#include <vector>

namespace fendwick::artwork {

enum class ButtonIcon { none, power };

// Two images stacked: unlit (value 0) on top, lit (value 1) below; each
// width x height. The corners outside the rounded face are the dark rim
// colour, matching the seat the background gives every button.
Canvas paintLampButton(int width, int height, const std::string& text, ButtonIcon icon, const Theme& theme,
                       const Typefaces& type);

// One image per name, stacked with image 0 on top; image i lights the i-th of
// the equal zones from the left, which carry the names.
Canvas paintSegmentSwitch(int width, int height, const std::vector<std::string>& names, const Theme& theme,
                          const Typefaces& type);

}  // namespace fendwick::artwork
