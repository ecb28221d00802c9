// A drawing context over a picture of its own, copied to a frame when done.
#pragma once

#include "draw_context.h"

#include <cstdint>

namespace fendwick {

class Bitmap;

// Draws into its own picture (width x height: the source bitmap's size, or
// 20 x 20 without one) or, when asked, straight into the source bitmap.
// Holds a reference to the source while it lives. Same thread as its parent.
class OffscreenContext : public DrawContext {
public:
    // Without drawIntoSource the picture starts as a copy of the source
    // (from its top-left corner) or, without a source, in the fill colour.
    OffscreenContext(DrawContext& parent, Bitmap* source, bool drawIntoSource = false);
    ~OffscreenContext() override;

    int32_t width() const { return width_; }
    int32_t height() const { return height_; }
    const PixelSurface& picture() const { return *target(); }

    // Copies rect's size from the picture at `from` to the destination at
    // the rectangle (plus the destination's offset), opaque.
    void copyTo(DrawContext& destination, const Rect& rect, const Point& from = Point{}) const;

private:
    Bitmap* source_;
    int32_t width_;
    int32_t height_;
    PixelSurface own_;
};

}  // namespace fendwick
