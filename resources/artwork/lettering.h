// Places single lines of label text on a canvas.
#pragma once

#include "canvas.h"
#include "font_face.h"

#include <string>

namespace fendwick::artwork {

enum class Align { left, centre, right };

struct TextStyle {
    const FontFace* face = nullptr;
    int pixelSize = 9;
    Colour colour;
    float tracking = 0.0f;  // extra pixels between letters
    float opacity = 1.0f;
    float shadowOpacity = 0.0f;  // a black copy one pixel lower, for text that sits into the panel
};

// Draws text with the middle of its capitals on centreY; x is its left end,
// middle or right end as align says. Answers the drawn width.
int drawText(Canvas& canvas, const TextStyle& style, const std::string& text, float x, float centreY, Align align);

}  // namespace fendwick::artwork
