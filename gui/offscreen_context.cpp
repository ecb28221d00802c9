// A drawing context over a picture of its own, copied to a frame when done.
#include "offscreen_context.h"

#include "bitmap.h"

#include <algorithm>

namespace fendwick {
namespace {

// Without a source picture the offscreen is this size.
constexpr int32_t defaultSide = 20;

}  // namespace

OffscreenContext::OffscreenContext(DrawContext& parent, Bitmap* source, bool drawIntoSource)
    : DrawContext(parent.frame(), nullptr, Rect{}),
      source_(source),
      width_(source != nullptr ? source->width() : defaultSide),
      height_(source != nullptr ? source->height() : defaultSide)
{
    setClipRect(Rect{0, 0, width_, height_});
    if (source_ != nullptr)
        source_->takeReference();
    PixelSurface* intoSource = drawIntoSource && source_ != nullptr ? source_->writablePixels() : nullptr;
    if (intoSource != nullptr) {
        setTarget(intoSource);
        return;
    }
    own_.resize(width_, height_);
    const PixelSurface* picture = source_ != nullptr ? source_->pixels() : nullptr;
    if (picture != nullptr)
        own_.pixels = picture->pixels;
    else
        std::fill(own_.pixels.begin(), own_.pixels.end(), fillColor().pixel());
    setTarget(&own_);
}

OffscreenContext::~OffscreenContext()
{
    if (source_ != nullptr)
        source_->release();
}

void OffscreenContext::copyTo(DrawContext& destination, const Rect& rect, const Point& from) const
{
    destination.drawPicture(*target(), rect, from);
}

}  // namespace fendwick
