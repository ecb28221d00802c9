// Pixel lettering for meter scales: digits three pixels wide and five high,
// which stay sharp where even a small outline font would blur.
#pragma once

#include "canvas.h"
#include "lettering.h"

#include <string>

namespace fendwick::artwork {

// Draws the digits of text (other characters leave a gap) with the top of the
// digits at row top; x is the left end, middle or right end as align says.
void drawTinyDigits(Canvas& canvas, const std::string& text, int x, int top, const Colour& colour, Align align);

}  // namespace fendwick::artwork
