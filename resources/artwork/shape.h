// Outlines the artwork is painted with, as signed distance fields in pixels:
// negative inside, positive outside, so edges can be anti-aliased exactly.
#pragma once

#include <functional>

namespace fendwick::artwork {

struct Box {
    float left = 0.0f;
    float top = 0.0f;
    float right = 0.0f;
    float bottom = 0.0f;
};

// Angles are in degrees, counter-clockwise from the positive x axis with y
// pointing up on screen: 90 is straight up, 225 lower left, -45 lower right.
struct Shape {
    std::function<float(float x, float y)> distance;
    Box bounds;  // everything with distance below one pixel lies inside
};

Shape circle(float cx, float cy, float radius);
// A rectangle from (left, top) to (right, bottom) with rounded corners.
Shape roundedRect(float left, float top, float right, float bottom, float radius);
// A stroke of the given width from (ax, ay) to (bx, by) with round ends.
Shape capsule(float ax, float ay, float bx, float by, float width);
// A stroke of the given width along the circle of radius around (cx, cy),
// from startDeg turning by sweepDeg (negative sweeps turn clockwise), round ends.
Shape arcStroke(float cx, float cy, float radius, float startDeg, float sweepDeg, float width);

// The shape grown outward by amount pixels (shrunk for a negative amount).
Shape grown(const Shape& shape, float amount);
Shape moved(const Shape& shape, float dx, float dy);
// The part of a that lies outside b.
Shape without(const Shape& a, const Shape& b);

// The point on the circle of radius around (cx, cy) at angleDeg.
void pointAt(float cx, float cy, float radius, float angleDeg, float& x, float& y);

}  // namespace fendwick::artwork
