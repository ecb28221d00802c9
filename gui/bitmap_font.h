// Draws text in "FenFont", the toolkit's own 8-pixel bitmap face.
#pragma once

#include "geometry.h"
#include "pixel_surface.h"

#include <cstdint>

namespace fendwick {

// Style bits of a font, as the drawing context's set font takes them.
namespace FontStyle {
constexpr int32_t bold = 1;
constexpr int32_t italic = 2;
constexpr int32_t underline = 4;
}  // namespace FontStyle

// The glyph table, parsed from the artwork once per module and then only
// read, so any thread may draw with it. Proportional, with digits of equal
// width so that changing numbers do not shift.
class BitmapFont {
public:
    static const BitmapFont& fenFont();

    // Pixels from the top of a line to its bottom, descenders included.
    int32_t lineHeight() const;
    // Pixels from the first to the last column a text may ink.
    int32_t textWidth(const char* text, int32_t style) const;
    // Draws the text with its line's top-left corner at `origin`, writing only
    // inside `clip`; answers the rectangle it may have changed.
    Rect drawText(PixelSurface& surface, const Rect& clip, const Point& origin, const char* text,
                  uint32_t pixel, int32_t style) const;

private:
    struct Glyph {
        uint8_t rows[9];  // bit 4 is the leftmost column
        int8_t firstColumn;
        int8_t width;
    };

    BitmapFont();
    const Glyph& glyph(char c) const;
    int32_t advance(const Glyph& g, int32_t style) const;

    Glyph glyphs_[95];
};

}  // namespace fendwick
