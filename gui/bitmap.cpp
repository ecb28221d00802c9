// A reference-counted picture from the library's artwork, drawn opaque or
// with a transparent colour.
#include "bitmap.h"

#include "bitmap_cache.h"
#include "draw_context.h"
#include "embedded_bitmap.h"

namespace fendwick {

// Only the size is read here: plug-ins load their background when they are
// created, and a host scanning its plug-ins should not wait for pixels.
Bitmap::Bitmap(const ArtworkTable& artwork, int32_t resourceId) : artwork_(artwork), resourceId_(resourceId)
{
    const EmbeddedBitmap* source = artwork.find(resourceId);
    if (source != nullptr && canDecode(*source)) {
        width_ = source->width;
        height_ = source->height;
    }
}

void Bitmap::release()
{
    if (--referenceCount_ == 0)
        delete this;
}

const PixelSurface* Bitmap::pixels() const
{
    if (own_)
        return own_.get();
    if (!shared_ && width_ > 0)
        shared_ = decodedBitmap(artwork_, resourceId_);
    return shared_.get();
}

PixelSurface* Bitmap::writablePixels()
{
    if (!own_ && pixels() != nullptr)
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
