// FreeType rendering of label text.
#include "font_face.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <cmath>

namespace fendwick::artwork {

namespace {

// Light text on dark panels looks thinner than its coverage says when blended
// in sRGB; lifting the coverage a little restores the stroke weight.
constexpr float coverageLift = 0.8f;

constexpr FT_Int32 loadFlags = FT_LOAD_TARGET_LIGHT;

}  // namespace

std::unique_ptr<FontFace> FontFace::load(const std::string& path)
{
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) {
        return nullptr;
    }
    FT_Face face = nullptr;
    if (FT_New_Face(library, path.c_str(), 0, &face) != 0) {
        FT_Done_FreeType(library);
        return nullptr;
    }
    return std::unique_ptr<FontFace>(new FontFace(library, face));
}

FontFace::~FontFace()
{
    FT_Done_Face(face_);
    FT_Done_FreeType(library_);
}

template <typename Visit>
long FontFace::layout(const std::string& text, int pixelSize, float tracking, Visit visit) const
{
    FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(pixelSize));
    const long trackingFixed = std::lround(tracking * 64.0f);
    long pen = 0;
    FT_UInt previous = 0;
    for (const char ch : text) {
        const FT_UInt glyph = FT_Get_Char_Index(face_, static_cast<unsigned char>(ch));
        if (previous != 0 && FT_HAS_KERNING(face_)) {
            FT_Vector kerning{};
            FT_Get_Kerning(face_, previous, glyph, FT_KERNING_DEFAULT, &kerning);
            pen += kerning.x;
        }
        if (FT_Load_Glyph(face_, glyph, loadFlags) != 0) {
            continue;
        }
        visit(pen);
        // The unhinted advance (16.16 fixed point) keeps the spacing even at small sizes.
        pen += (face_->glyph->linearHoriAdvance + 512) / 1024 + trackingFixed;
        previous = glyph;
    }
    return pen - (text.empty() ? 0 : trackingFixed);
}

int FontFace::textWidth(const std::string& text, int pixelSize, float tracking) const
{
    const long width = layout(text, pixelSize, tracking, [](long) {});
    return static_cast<int>((width + 32) / 64);
}

int FontFace::capHeight(int pixelSize) const
{
    FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(pixelSize));
    if (FT_Load_Char(face_, 'H', loadFlags | FT_LOAD_RENDER) != 0) {
        return pixelSize * 3 / 4;
    }
    return face_->glyph->bitmap_top;
}

void FontFace::draw(Canvas& canvas, const std::string& text, float x, int baseline, int pixelSize,
                    const Colour& colour, float tracking, float opacity) const
{
    const long start = std::lround(x * 64.0f);
    layout(text, pixelSize, tracking, [&](long advance) {
        const long pen = start + advance;
        // Each glyph is rendered at its exact fractional position, not snapped to the pixel grid.
        const long whole = pen >= 0 ? pen / 64 : -((-pen + 63) / 64);
        FT_Outline_Translate(&face_->glyph->outline, pen - whole * 64, 0);
        if (FT_Render_Glyph(face_->glyph, FT_RENDER_MODE_NORMAL) != 0) {
            return;
        }
        const FT_Bitmap& bitmap = face_->glyph->bitmap;
        const int left = static_cast<int>(whole) + face_->glyph->bitmap_left;
        const int top = baseline - face_->glyph->bitmap_top;
        for (unsigned row = 0; row < bitmap.rows; ++row) {
            for (unsigned col = 0; col < bitmap.width; ++col) {
                const unsigned char value = bitmap.buffer[static_cast<long>(row) * bitmap.pitch + col];
                if (value == 0) {
                    continue;
                }
                const float coverage = std::pow(static_cast<float>(value) / 255.0f, coverageLift);
                canvas.blend(left + static_cast<int>(col), top + static_cast<int>(row), colour, coverage * opacity);
            }
        }
    });
}

}  // namespace fendwick::artwork
