// Draws lines, rectangles, text and pictures into a frame's surface.
#include "draw_context.h"

#include "bitmap_font.h"
#include "font_table.h"
#include "frame.h"
#include "raster.h"
#include "rect_ops.h"

#include <algorithm>

namespace fendwick {

DrawContext::DrawContext(Frame& frame)
    : frame_(&frame),
      target_(&frame.surface_),
      presentsToFrame_(true),
      clip_(Rect{0, 0, frame.surface_.width, frame.surface_.height})
{
}

DrawContext::DrawContext(Frame* frame, PixelSurface* target, const Rect& clip)
    : frame_(frame), target_(target), presentsToFrame_(false), clip_(clip)
{
}

DrawContext::~DrawContext()
{
    if (presentsToFrame_)
        frame_->presentPending();
}

void DrawContext::changed(const Rect& area)
{
    if (presentsToFrame_)
        frame_->notePainted(area);
}

void DrawContext::moveTo(const Point& where) { penPosition_ = where; }

void DrawContext::lineTo(const Point& where)
{
    changed(raster::line(*target_, clip_, toSurface(penPosition_), toSurface(where), frameColor_.pixel(),
                         lineStyle_ == LineStyle::dotted));
    penPosition_ = where;
}

void DrawContext::drawRect(const Rect& rect)
{
    moveTo(Point{rect.left, rect.top});
    lineTo(Point{rect.right, rect.top});
    lineTo(Point{rect.right, rect.bottom});
    lineTo(Point{rect.left, rect.bottom});
    lineTo(Point{rect.left, rect.top});
}

void DrawContext::fillRect(const Rect& rect)
{
    const Rect inside{std::min(rect.left, rect.right) + 1, std::min(rect.top, rect.bottom) + 1,
                      std::max(rect.left, rect.right), std::max(rect.top, rect.bottom)};
    changed(raster::fill(*target_, clip_, offsetRect(inside, offset_), fillColor_.pixel()));
}

void DrawContext::setFont(int32_t index, int32_t size, int32_t style)
{
    fontIndex_ = index >= 0 && index < fontTableSize ? index : 0;
    fontSize_ = size != 0 ? size : fontTable[fontIndex_].size;
    fontStyle_ = fontTable[fontIndex_].alwaysBold ? (style | FontStyle::bold) : style;
}

void DrawContext::drawString(const char* text, const Rect& rect, bool opaque, int32_t alignment)
{
    const BitmapFont& font = BitmapFont::fenFont();
    Rect box = offsetRect(rect, offset_);
    if (alignment != TextAlign::center && alignment != TextAlign::right)
        box.left += 1;
    const int32_t width = font.textWidth(text, fontStyle_);
    int32_t x = box.left;
    if (alignment == TextAlign::center)
        x = box.left + (box.width() - width) / 2;
    else if (alignment == TextAlign::right)
        x = box.right - width;
    const int32_t y = box.top + (box.height() - font.lineHeight()) / 2;
    const Rect clip = intersectRects(clip_, box);
    if (opaque)
        changed(raster::fill(*target_, clip, Rect{x, y, x + width, y + font.lineHeight()}, fillColor_.pixel()));
    changed(font.drawText(*target_, clip, Point{x, y}, text, fontColor_.pixel(), fontStyle_));
}

void DrawContext::drawPicture(const PixelSurface& picture, const Rect& rect, const Point& from)
{
    changed(raster::blit(*target_, clip_, offsetRect(rect, offset_), picture, from));
}

void DrawContext::drawPictureTransparent(const PixelSurface& picture, const Rect& rect, const Point& from,
                                         uint32_t transparentPixel)
{
    changed(raster::blitTransparent(*target_, clip_, offsetRect(rect, offset_), picture, from, transparentPixel));
}

}  // namespace fendwick
