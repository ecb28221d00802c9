// Lays anti-aliased shapes on a canvas.
#pragma once

#include "canvas.h"
#include "paint.h"
#include "shape.h"

namespace fendwick::artwork {

// Coverage of a pixel comes from the shape's distance at the pixel's centre:
// a pixel whose centre lies on the edge is half covered. Softness widens the
// edge to that many pixels (soft shadows and glows).
class Painter {
public:
    explicit Painter(Canvas& canvas) : canvas_(canvas) {}

    void fill(const Shape& shape, const Paint& paint, float opacity = 1.0f, float softness = 1.0f);
    void fill(const Shape& shape, const Colour& colour, float opacity = 1.0f, float softness = 1.0f);
    // A ring of the given width just inside the shape's edge.
    void stroke(const Shape& shape, const Paint& paint, float width, float opacity = 1.0f);

private:
    Canvas& canvas_;
};

}  // namespace fendwick::artwork
