// Single-line text placement.
#include "lettering.h"

#include <cmath>

namespace fendwick::artwork {

int drawText(Canvas& canvas, const TextStyle& style, const std::string& text, float x, float centreY, Align align)
{
    const int width = style.face->textWidth(text, style.pixelSize, style.tracking);
    float left = x;
    if (align == Align::centre) {
        left = x - static_cast<float>(width) * 0.5f;
    } else if (align == Align::right) {
        left = x - static_cast<float>(width);
    }
    const int capHeight = style.face->capHeight(style.pixelSize);
    const int baseline = static_cast<int>(std::lround(centreY + static_cast<float>(capHeight) * 0.5f));
    if (style.shadowOpacity > 0.0f) {
        style.face->draw(canvas, text, left, baseline + 1, style.pixelSize, Colour{}, style.tracking,
                         style.shadowOpacity * style.opacity);
    }
    style.face->draw(canvas, text, left, baseline, style.pixelSize, style.colour, style.tracking, style.opacity);
    return width;
}

}  // namespace fendwick::artwork
