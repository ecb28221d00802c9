// The artwork of "FenFont", the toolkit's own 8-pixel face.
#pragma once

#include <cstdint>

namespace fendwick {

constexpr int32_t glyphFirst = 32;
constexpr int32_t glyphLast = 126;
constexpr int32_t glyphsPerBand = 16;
constexpr int32_t glyphColumns = 5;
constexpr int32_t glyphRows = 9;

// '#' is ink, '.' is paper; see font_glyphs.cpp for the layout.
extern const char* const fontGlyphArt;

}  // namespace fendwick
