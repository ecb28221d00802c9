// A reference-counted picture from the library's artwork, drawn opaque or
// with a transparent colour.
#include "gui/bitmap.h"

#include "gui/bitmap_cache.h"
#include "gui/draw_context.h"

namespace fendwick {

Bitmap::Bitmap(int32_t resourceId) : resourceId_(resourceId), shared_(decodedBitmap(resourceId))
{
    if (shared_) {
        width_ = shared_->width;
        height_ = shared_->height;
    }
}

void Bitmap::release()
{
    if (--referenceCount_ == 0)
        delete this;
}

const PixelSurface* Bitmap::pixels() const { return own_ ? own_.get() : shared_.get(); }

PixelSurface* Bitmap::writablePixels()
{
    if (!own_ && shared_)
        own_ = std::make_unique<PixelSurface>(*shared_);
    return own_.get();
}

void Bitmap::draw(DrawContext& context, const Rect& rect, const Point& from) const
{
    if (const PixelSurface* picture = pixels())
        context.drawPicture(*picture, rect, from);
}

void Bitmap::drawTransparent(DrawContext& context, const Rect& rect, const Point& from) const
{
    if (const PixelSurface* picture = pixels())
        context.drawPictureTransparent(*picture, rect, from, transparentColor_.pixel());
}

}  // namespace fendwick
