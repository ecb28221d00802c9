// Signed distance fields of the artwork's basic outlines.
#include "shape.h"

#include <algorithm>
#include <cmath>

namespace fendwick::artwork {

namespace {

constexpr float pi = 3.14159265358979f;

float radians(float degrees)
{
    return degrees * pi / 180.0f;
}

float segmentDistance(float x, float y, float ax, float ay, float bx, float by)
{
    const float dx = bx - ax;
    const float dy = by - ay;
    const float lengthSquared = dx * dx + dy * dy;
    float t = 0.0f;
    if (lengthSquared > 0.0f) {
        t = std::clamp(((x - ax) * dx + (y - ay) * dy) / lengthSquared, 0.0f, 1.0f);
    }
    return std::hypot(x - (ax + t * dx), y - (ay + t * dy));
}

Box boxAround(float cx, float cy, float radius)
{
    return {cx - radius - 1.0f, cy - radius - 1.0f, cx + radius + 1.0f, cy + radius + 1.0f};
}

}  // namespace

void pointAt(float cx, float cy, float radius, float angleDeg, float& x, float& y)
{
    x = cx + radius * std::cos(radians(angleDeg));
    y = cy - radius * std::sin(radians(angleDeg));
}

Shape circle(float cx, float cy, float radius)
{
    return {[=](float x, float y) { return std::hypot(x - cx, y - cy) - radius; }, boxAround(cx, cy, radius)};
}

Shape roundedRect(float left, float top, float right, float bottom, float radius)
{
    radius = std::min({radius, (right - left) * 0.5f, (bottom - top) * 0.5f});
    const float cx = (left + right) * 0.5f;
    const float cy = (top + bottom) * 0.5f;
    const float hx = (right - left) * 0.5f - radius;
    const float hy = (bottom - top) * 0.5f - radius;
    auto distance = [=](float x, float y) {
        const float qx = std::fabs(x - cx) - hx;
        const float qy = std::fabs(y - cy) - hy;
        const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
        const float inside = std::min(std::max(qx, qy), 0.0f);
        return outside + inside - radius;
    };
    return {distance, {left - 1.0f, top - 1.0f, right + 1.0f, bottom + 1.0f}};
}

Shape capsule(float ax, float ay, float bx, float by, float width)
{
    const float half = width * 0.5f;
    return {[=](float x, float y) { return segmentDistance(x, y, ax, ay, bx, by) - half; },
            {std::min(ax, bx) - half - 1.0f, std::min(ay, by) - half - 1.0f, std::max(ax, bx) + half + 1.0f,
             std::max(ay, by) + half + 1.0f}};
}

Shape arcStroke(float cx, float cy, float radius, float startDeg, float sweepDeg, float width)
{
    const float half = width * 0.5f;
    const float middle = radians(startDeg + sweepDeg * 0.5f);
    const float halfSweep = radians(std::fabs(sweepDeg) * 0.5f);
    float ax = 0.0f;
    float ay = 0.0f;
    float bx = 0.0f;
    float by = 0.0f;
    pointAt(cx, cy, radius, startDeg, ax, ay);
    pointAt(cx, cy, radius, startDeg + sweepDeg, bx, by);
    auto distance = [=](float x, float y) {
        const float angle = std::atan2(cy - y, x - cx);
        const float offset = std::remainder(angle - middle, 2.0f * pi);
        if (std::fabs(offset) <= halfSweep) {
            return std::fabs(std::hypot(x - cx, y - cy) - radius) - half;
        }
        return std::min(std::hypot(x - ax, y - ay), std::hypot(x - bx, y - by)) - half;
    };
    return {distance, boxAround(cx, cy, radius + half)};
}

Shape grown(const Shape& shape, float amount)
{
    const auto inner = shape.distance;
    const float margin = std::max(amount, 0.0f);
    return {[=](float x, float y) { return inner(x, y) - amount; },
            {shape.bounds.left - margin, shape.bounds.top - margin, shape.bounds.right + margin,
             shape.bounds.bottom + margin}};
}

Shape moved(const Shape& shape, float dx, float dy)
{
    const auto inner = shape.distance;
    return {[=](float x, float y) { return inner(x - dx, y - dy); },
            {shape.bounds.left + dx, shape.bounds.top + dy, shape.bounds.right + dx, shape.bounds.bottom + dy}};
}

Shape without(const Shape& a, const Shape& b)
{
    const auto da = a.distance;
    const auto db = b.distance;
    return {[=](float x, float y) { return std::max(da(x, y), -db(x, y)); }, a.bounds};
}

}  // namespace fendwick::artwork
