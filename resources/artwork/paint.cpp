// Solid and gradient paints.
#include "paint.h"

#include <algorithm>
#include <cmath>

namespace fendwick::artwork {

Paint solid(const Colour& colour)
{
    return [=](float, float) { return colour; };
}

Paint linearGradient(float x0, float y0, const Colour& from, float x1, float y1, const Colour& to)
{
    const float dx = x1 - x0;
    const float dy = y1 - y0;
    const float lengthSquared = std::max(dx * dx + dy * dy, 1e-6f);
    return [=](float x, float y) {
        const float t = std::clamp(((x - x0) * dx + (y - y0) * dy) / lengthSquared, 0.0f, 1.0f);
        return mix(from, to, t);
    };
}

Paint radialGradient(float cx, float cy, float radius, const Colour& from, const Colour& to)
{
    return [=](float x, float y) {
        const float t = std::clamp(std::hypot(x - cx, y - cy) / radius, 0.0f, 1.0f);
        return mix(from, to, t);
    };
}

}  // namespace fendwick::artwork
