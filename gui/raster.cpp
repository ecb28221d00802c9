// The software rasteriser: the few pixel operations the toolkit draws with.
#include "raster.h"

#include "rect_ops.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace fendwick {
namespace raster {
namespace {

Rect writable(const PixelSurface& surface, const Rect& clip, const Rect& area)
{
    return intersectRects(intersectRects(area, clip), Rect{0, 0, surface.width, surface.height});
}

// The part of `area` whose source pixels lie inside the picture.
Rect withinPicture(const Rect& area, const PixelSurface& picture, const Point& from)
{
    const Point shift{area.left - from.x, area.top - from.y};
    return intersectRects(area, offsetRect(Rect{0, 0, picture.width, picture.height}, shift));
}

}  // namespace

Rect fill(PixelSurface& surface, const Rect& clip, const Rect& area, uint32_t pixel)
{
    const Rect r = writable(surface, clip, area);
    if (isEmptyRect(r))
        return Rect{};
    for (int32_t y = r.top; y < r.bottom; ++y)
        std::fill(surface.row(y) + r.left, surface.row(y) + r.right, pixel);
    return r;
}

Rect blit(PixelSurface& surface, const Rect& clip, const Rect& area, const PixelSurface& picture,
          const Point& from)
{
    const Rect r = writable(surface, clip, withinPicture(area, picture, from));
    if (isEmptyRect(r))
        return Rect{};
    const int32_t sx = from.x + (r.left - area.left);
    const int32_t sy = from.y + (r.top - area.top);
    const size_t bytes = static_cast<size_t>(r.width()) * sizeof(uint32_t);
    for (int32_t y = r.top; y < r.bottom; ++y)
        std::memcpy(surface.row(y) + r.left, picture.row(sy + (y - r.top)) + sx, bytes);
    return r;
}

Rect blitTransparent(PixelSurface& surface, const Rect& clip, const Rect& area,
                     const PixelSurface& picture, const Point& from, uint32_t transparentPixel)
{
    const Rect r = writable(surface, clip, withinPicture(area, picture, from));
    if (isEmptyRect(r))
        return Rect{};
    const int32_t sx = from.x + (r.left - area.left);
    const int32_t sy = from.y + (r.top - area.top);
    const int32_t width = r.width();
    for (int32_t y = r.top; y < r.bottom; ++y) {
        uint32_t* out = surface.row(y) + r.left;
        const uint32_t* in = picture.row(sy + (y - r.top)) + sx;
        for (int32_t x = 0; x < width; ++x)
            out[x] = in[x] == transparentPixel ? out[x] : in[x];
    }
    return r;
}

Rect line(PixelSurface& surface, const Rect& clip, const Point& from, const Point& to, uint32_t pixel,
          bool dotted)
{
    const Rect r = writable(surface, clip, clip);
    const int32_t dx = std::abs(to.x - from.x);
    const int32_t dy = -std::abs(to.y - from.y);
    const int32_t stepX = from.x < to.x ? 1 : -1;
    const int32_t stepY = from.y < to.y ? 1 : -1;
    // Bresenham: `error` tracks how far the ideal line lies from the pixel.
    int32_t error = dx + dy;
    Point p = from;
    Rect changed{};
    for (int32_t n = 0; p != to; ++n) {
        const bool inside = p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
        if (inside && (!dotted || n % 2 == 0)) {
            surface.row(p.y)[p.x] = pixel;
            changed = uniteRects(changed, Rect{p.x, p.y, p.x + 1, p.y + 1});
        }
        const int32_t twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            p.x += stepX;
        }
        if (twice <= dx) {
            error += dx;
            p.y += stepY;
        }
    }
    return changed;
}

}  // namespace raster
}  // namespace fendwick
