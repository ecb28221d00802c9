// What fills a shape: a solid colour or a gradient, as a colour per point.
#pragma once

#include "colour.h"

#include <functional>

namespace fendwick::artwork {

using Paint = std::function<Colour(float x, float y)>;

Paint solid(const Colour& colour);
// from at (x0, y0) to to at (x1, y1), constant across the line's normal.
Paint linearGradient(float x0, float y0, const Colour& from, float x1, float y1, const Colour& to);
// from at (cx, cy) to to at radius and beyond.
Paint radialGradient(float cx, float cy, float radius, const Colour& from, const Colour& to);

}  // namespace fendwick::artwork
