// Draws text in "FenFont", the toolkit's own 8-pixel bitmap face.
#include "bitmap_font.h"

#include "font_glyphs.h"
#include "rect_ops.h"

#include <cstring>

namespace fendwick {
namespace {

constexpr int32_t glyphCount = glyphLast - glyphFirst + 1;
constexpr int32_t spaceWidth = 3;
// The body ends at row 6; the underline sits just below it.
constexpr int32_t underlineRow = 7;
// Italic leans the upper body one pixel to the right.
constexpr int32_t italicRows = 3;

bool isDigit(int32_t code) { return code >= '0' && code <= '9'; }

}  // namespace

const BitmapFont& BitmapFont::fenFont()
{
    static const BitmapFont font;
    return font;
}

BitmapFont::BitmapFont() : glyphs_{}
{
    // Keep the art's glyph rows, skipping the naming lines and blank lines.
    const char* line = fontGlyphArt;
    int32_t artRow = 0;
    while (*line != '\0') {
        const char* end = std::strchr(line, '\n');
        const size_t length = end != nullptr ? static_cast<size_t>(end - line) : std::strlen(line);
        if (length > 0 && (line[0] == '.' || line[0] == '#')) {
            const int32_t band = artRow / glyphRows;
            const int32_t row = artRow % glyphRows;
            for (int32_t i = 0; i < glyphsPerBand; ++i) {
                const int32_t index = band * glyphsPerBand + i;
                const size_t start = static_cast<size_t>(i * (glyphColumns + 1));
                if (index >= glyphCount || start + glyphColumns > length)
                    break;
                uint8_t bits = 0;
                for (int32_t column = 0; column < glyphColumns; ++column)
                    bits = static_cast<uint8_t>((bits << 1) | (line[start + static_cast<size_t>(column)] == '#' ? 1 : 0));
                glyphs_[index].rows[row] = bits;
            }
            ++artRow;
        }
        line += length + (end != nullptr ? 1 : 0);
    }
    // Trim each glyph to its ink, except digits (equal widths) and space.
    for (int32_t index = 0; index < glyphCount; ++index) {
        Glyph& g = glyphs_[index];
        const int32_t code = glyphFirst + index;
        uint8_t ink = 0;
        for (uint8_t bits : g.rows)
            ink = static_cast<uint8_t>(ink | bits);
        if (code == ' ') {
            g.firstColumn = 0;
            g.width = spaceWidth;
        } else if (isDigit(code) || ink == 0) {
            g.firstColumn = 0;
            g.width = glyphColumns;
        } else {
            int32_t first = 0;
            while ((ink & (0x10 >> first)) == 0)
                ++first;
            int32_t last = glyphColumns - 1;
            while ((ink & (0x10 >> last)) == 0)
                --last;
            g.firstColumn = static_cast<int8_t>(first);
            g.width = static_cast<int8_t>(last - first + 1);
        }
    }
}

int32_t BitmapFont::lineHeight() const { return glyphRows; }

const BitmapFont::Glyph& BitmapFont::glyph(char c) const
{
    const int32_t code = static_cast<unsigned char>(c);
    if (code < glyphFirst || code > glyphLast)
        return glyphs_['?' - glyphFirst];
    return glyphs_[code - glyphFirst];
}

// Ink width, one pixel of spacing, and one more for bold's double strike
// and italic's lean.
int32_t BitmapFont::advance(const Glyph& g, int32_t style) const
{
    return g.width + 1 + ((style & FontStyle::bold) != 0 ? 1 : 0) + ((style & FontStyle::italic) != 0 ? 1 : 0);
}

int32_t BitmapFont::textWidth(const char* text, int32_t style) const
{
    int32_t width = 0;
    for (const char* c = text; *c != '\0'; ++c)
        width += advance(glyph(*c), style);
    return width > 0 ? width - 1 : 0;
}

Rect BitmapFont::drawText(PixelSurface& surface, const Rect& clip, const Point& origin, const char* text,
                          uint32_t pixel, int32_t style) const
{
    const Rect r = intersectRects(clip, Rect{0, 0, surface.width, surface.height});
    const bool bold = (style & FontStyle::bold) != 0;
    const bool italic = (style & FontStyle::italic) != 0;
    Rect changed{};
    auto plot = [&](int32_t x, int32_t y) {
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) {
            surface.row(y)[x] = pixel;
            changed = uniteRects(changed, Rect{x, y, x + 1, y + 1});
        }
    };
    int32_t x = origin.x;
    for (const char* c = text; *c != '\0'; ++c) {
        const Glyph& g = glyph(*c);
        for (int32_t row = 0; row < glyphRows; ++row) {
            const int32_t lean = italic && row < italicRows ? 1 : 0;
            for (int32_t column = 0; column < g.width; ++column) {
                if ((g.rows[row] & (0x10 >> (g.firstColumn + column))) == 0)
                    continue;
                plot(x + column + lean, origin.y + row);
                if (bold)
                    plot(x + column + lean + 1, origin.y + row);
            }
        }
        const int32_t step = advance(g, style);
        if ((style & FontStyle::underline) != 0) {
            for (int32_t column = 0; column < step; ++column)
                plot(x + column, origin.y + underlineRow);
        }
        x += step;
    }
    return changed;
}

}  // namespace fendwick
