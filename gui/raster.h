// The software rasteriser: the few pixel operations the toolkit draws with.
#pragma once

#include "geometry.h"
#include "pixel_surface.h"

#include <cstdint>

namespace fendwick {

// Every operation writes only inside `clip` and the surface and answers the
// rectangle it may have changed (empty when it changed nothing).
namespace raster {

// Fills the area, right and bottom exclusive.
Rect fill(PixelSurface& surface, const Rect& clip, const Rect& area, uint32_t pixel);

// Copies area's size from `picture` at `from` to the area. Parts of the area
// that fall outside the picture are left as they were.
Rect blit(PixelSurface& surface, const Rect& clip, const Rect& area, const PixelSurface& picture,
          const Point& from);

// As blit, but picture pixels equal to `transparentPixel` are left out.
Rect blitTransparent(PixelSurface& surface, const Rect& clip, const Rect& area,
                     const PixelSurface& picture, const Point& from, uint32_t transparentPixel);

// A 1-pixel line from `from` up to but not including `to`; dotted lines set
// every other pixel, starting with the first.
Rect line(PixelSurface& surface, const Rect& clip, const Point& from, const Point& to, uint32_t pixel,
          bool dotted);

}  // namespace raster
}  // namespace fendwick
