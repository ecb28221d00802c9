// Backgrounds of the text displays and the meters.
#pragma once

#include "canvas.h"
#include "theme.h"

namespace fendwick::artwork {

// A dark glass display for light text.
Canvas paintDarkDisplay(int width, int height, const Theme& theme);
// A light value field for slate text; a tint colour shades the field faintly
// and underlines it (the ceiling field carries the limiter's colour).
Canvas paintLightField(int width, int height, const Theme& theme, const Colour* tint = nullptr);
// A meter's unlit face: a fine segment ladder with a mark every 10 dB
// (2.05 pixels per dB, 0 dB at the top).
Canvas paintMeterFace(int width, int height, const Theme& theme);

}  // namespace fendwick::artwork
