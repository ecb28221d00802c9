// Draws lines, rectangles, text and pictures into a frame's surface.
#pragma once

#include "color.h"
#include "color_table.h"
#include "geometry.h"
#include "pixel_surface.h"

#include <cstdint>

namespace fendwick {

class Frame;

enum class LineStyle : int32_t { solid = 0, dotted = 1 };

// Alignments of draw string; any other value aligns left.
namespace TextAlign {
constexpr int32_t left = 0;
constexpr int32_t center = 1;
constexpr int32_t right = 2;
}  // namespace TextAlign

// A drawing state (pen, brush, font, offset, clip) over a pixel surface.
// Coordinates are frame coordinates plus the drawing offset. A context on a
// frame draws into the frame's surface and has the frame present what it
// changed when the context ends (or earlier, when the frame is asked to).
// Made for one drawing pass on the frame's window thread and then dropped.
class DrawContext {
public:
    explicit DrawContext(Frame& frame);
    virtual ~DrawContext();
    DrawContext(const DrawContext&) = delete;
    DrawContext& operator=(const DrawContext&) = delete;

    Frame* frame() const { return frame_; }

    void setOffset(const Point& offset) { offset_ = offset; }
    const Point& offset() const { return offset_; }
    // In surface pixels; nothing is drawn outside it.
    void setClipRect(const Rect& clip) { clip_ = clip; }
    const Rect& clipRect() const { return clip_; }

    void moveTo(const Point& where);
    // A line from the current position up to, not including, `where`.
    void lineTo(const Point& where);
    // The outline through all four corners, inclusive.
    void drawRect(const Rect& rect);
    // Fills from (left + 1, top + 1) up to (right, bottom) exclusive: the
    // inside of drawRect's outline. The corners may come in either order.
    void fillRect(const Rect& rect);

    void setFrameColor(Color color) { frameColor_ = color; }
    Color frameColor() const { return frameColor_; }
    void setLineStyle(LineStyle style) { lineStyle_ = style; }
    LineStyle lineStyle() const { return lineStyle_; }
    // The brush of fillRect and the background of opaque text.
    void setFillColor(Color color) { fillColor_ = color; }
    Color fillColor() const { return fillColor_; }
    void setFontColor(Color color) { fontColor_ = color; }
    Color fontColor() const { return fontColor_; }

    // Index outside 0..7 gives 0, size 0 the table's size; style takes the
    // FontStyle bits, and font 0 is always bold.
    void setFont(int32_t index, int32_t size = 0, int32_t style = 0);
    int32_t fontIndex() const { return fontIndex_; }
    int32_t fontSize() const { return fontSize_; }
    int32_t fontStyle() const { return fontStyle_; }

    // One line, vertically centred in the rectangle and clipped to it.
    // Opaque text first fills its line's box with the fill colour.
    void drawString(const char* text, const Rect& rect, bool opaque = false,
                    int32_t alignment = TextAlign::left);

    // Copies rect's size from the picture at `from` to the rectangle;
    // the transparent form leaves out pixels equal to `transparentPixel`.
    void drawPicture(const PixelSurface& picture, const Rect& rect, const Point& from);
    void drawPictureTransparent(const PixelSurface& picture, const Rect& rect, const Point& from,
                                uint32_t transparentPixel);

protected:
    // A context over another surface (an offscreen picture) for the frame.
    DrawContext(Frame* frame, PixelSurface* target, const Rect& clip);
    void setTarget(PixelSurface* target) { target_ = target; }
    PixelSurface* target() const { return target_; }

private:
    Point toSurface(const Point& p) const { return Point{p.x + offset_.x, p.y + offset_.y}; }
    void changed(const Rect& area);

    Frame* frame_;
    PixelSurface* target_;
    bool presentsToFrame_;
    Point offset_{};
    Rect clip_;
    Point penPosition_{};
    Color frameColor_ = whiteColor;
    Color fillColor_ = blackColor;
    Color fontColor_ = whiteColor;
    LineStyle lineStyle_ = LineStyle::solid;
    int32_t fontIndex_ = 0;
    int32_t fontSize_ = 8;
    int32_t fontStyle_ = 0;
};

}  // namespace fendwick
