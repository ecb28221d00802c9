// The 3 x 5 digit set.
#include "tiny_digits.h"

#include <cstdint>

namespace fendwick::artwork {

namespace {

// Five rows per digit, three bits per row, the leftmost pixel in the highest bit.
constexpr uint8_t glyphs[10][5] = {
    {7, 5, 5, 5, 7}, {2, 6, 2, 2, 7}, {7, 1, 7, 4, 7}, {7, 1, 3, 1, 7}, {5, 5, 7, 1, 1},
    {7, 4, 7, 1, 7}, {7, 4, 7, 5, 7}, {7, 1, 1, 2, 2}, {7, 5, 7, 5, 7}, {7, 5, 7, 1, 7},
};
constexpr int advance = 4;

}  // namespace

void drawTinyDigits(Canvas& canvas, const std::string& text, int x, int top, const Colour& colour, Align align)
{
    const int width = static_cast<int>(text.size()) * advance - 1;
    int left = x;
    if (align == Align::centre) {
        left = x - width / 2;
    } else if (align == Align::right) {
        left = x - width + 1;
    }
    for (size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (ch < '0' || ch > '9') {
            continue;
        }
        const int originX = left + static_cast<int>(i) * advance;
        for (int row = 0; row < 5; ++row) {
            for (int col = 0; col < 3; ++col) {
                if ((glyphs[ch - '0'][row] >> (2 - col)) & 1) {
                    canvas.blend(originX + col, top + row, colour, 1.0f);
                }
            }
        }
    }
}

}  // namespace fendwick::artwork
