// Anti-aliased shape filling.
#include "painter.h"

#include <algorithm>
#include <cmath>

namespace fendwick::artwork {

void Painter::fill(const Shape& shape, const Paint& paint, float opacity, float softness)
{
    const float edge = std::max(softness, 1e-3f);
    const int left = std::max(0, static_cast<int>(std::floor(shape.bounds.left - edge)));
    const int top = std::max(0, static_cast<int>(std::floor(shape.bounds.top - edge)));
    const int right = std::min(canvas_.width(), static_cast<int>(std::ceil(shape.bounds.right + edge)) + 1);
    const int bottom = std::min(canvas_.height(), static_cast<int>(std::ceil(shape.bounds.bottom + edge)) + 1);
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            const float px = static_cast<float>(x) + 0.5f;
            const float py = static_cast<float>(y) + 0.5f;
            const float coverage = std::clamp(0.5f - shape.distance(px, py) / edge, 0.0f, 1.0f);
            if (coverage > 0.0f) {
                canvas_.blend(x, y, paint(px, py), coverage * opacity);
            }
        }
    }
}

void Painter::fill(const Shape& shape, const Colour& colour, float opacity, float softness)
{
    fill(shape, solid(colour), opacity, softness);
}

void Painter::stroke(const Shape& shape, const Paint& paint, float width, float opacity)
{
    fill(without(shape, grown(shape, -width)), paint, opacity);
}

}  // namespace fendwick::artwork
