// One TrueType face, rendered through FreeType for the lettering on the artwork.
#pragma once

#include "canvas.h"

#include <memory>
#include <string>

struct FT_LibraryRec_;
struct FT_FaceRec_;

namespace fendwick::artwork {

// Glyphs are hinted lightly (vertically only) so that small labels stay
// crisp, and placed at their exact fractional positions along the line.
// Text is read as Latin-1, one character a byte ("\xB7" is the middle dot).
class FontFace {
public:
    // Null when the file cannot be read as a font.
    static std::unique_ptr<FontFace> load(const std::string& path);
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    // Advance width of the text in pixels, with tracking pixels added between letters.
    int textWidth(const std::string& text, int pixelSize, float tracking) const;
    // Height of the capital H above the baseline, in pixels.
    int capHeight(int pixelSize) const;
    // Draws the text with the left end of its baseline at (x, baseline).
    void draw(Canvas& canvas, const std::string& text, float x, int baseline, int pixelSize, const Colour& colour,
              float tracking, float opacity) const;

private:
    FontFace(FT_LibraryRec_* library, FT_FaceRec_* face) : library_(library), face_(face) {}

    // Loads each glyph of text in turn and calls visit(pen x in 26.6 fixed point);
    // answers the advance of the whole text.
    template <typename Visit>
    long layout(const std::string& text, int pixelSize, float tracking, Visit visit) const;

    FT_LibraryRec_* library_;
    FT_FaceRec_* face_;
};

}  // namespace fendwick::artwork
