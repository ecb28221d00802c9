// A reference-counted picture from the library's artwork, drawn opaque or
// with a transparent colour.
#pragma once

#include "color.h"
#include "color_table.h"
#include "geometry.h"
#include "pixel_surface.h"

#include <cstdint>
#include <memory>

namespace fendwick {

class DrawContext;
struct ArtworkTable;

// Loaded by resource id from an artwork table, which must outlive it; the
// decoded pixels are shared by every Bitmap of that table and id in the
// module. The count starts at 1; the last release deletes it.
// A missing id gives a picture of size 0 that draws nothing. The size is
// known at once; the pixels are decoded when first drawn. Used on the
// thread that draws; the count is a plain integer.
class Bitmap {
public:
    Bitmap(const ArtworkTable& artwork, int32_t resourceId);
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;

    int32_t resourceId() const { return resourceId_; }
    int32_t width() const { return width_; }
    int32_t height() const { return height_; }

    // Black at load.
    void setTransparentColor(Color color) { transparentColor_ = color; }
    Color transparentColor() const { return transparentColor_; }

    // Copies the part of the picture that starts at `from` into the rectangle.
    void draw(DrawContext& context, const Rect& rect, const Point& from = Point{}) const;
    // As draw, leaving out pixels of the transparent colour.
    void drawTransparent(DrawContext& context, const Rect& rect, const Point& from = Point{}) const;

    void takeReference() { ++referenceCount_; }
    void release();
    int32_t referenceCount() const { return referenceCount_; }

    // The pixels, or null for a missing picture.
    const PixelSurface* pixels() const;
    // Pixels this bitmap may draw into: its own copy, made on first use so
    // that other bitmaps of the id keep the artwork as it was.
    PixelSurface* writablePixels();

private:
    ~Bitmap() = default;

    const ArtworkTable& artwork_;
    int32_t resourceId_;
    int32_t referenceCount_ = 1;
    int32_t width_ = 0;
    int32_t height_ = 0;
    Color transparentColor_ = blackColor;
    // Decoded on first use, by the drawing thread.
    mutable std::shared_ptr<const PixelSurface> shared_;
    std::unique_ptr<PixelSurface> own_;
};

}  // namespace fendwick
