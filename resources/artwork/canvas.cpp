// The artwork program's float picture and its copy operations.
#include "canvas.h"

#include <algorithm>

namespace fendwick::artwork {

Canvas::Canvas(int width, int height, const Colour& fill)
    : width_(width), height_(height),
      pixels_(static_cast<size_t>(width) * static_cast<size_t>(height), fill)
{
}

void Canvas::blend(int x, int y, const Colour& colour, float opacity)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || opacity <= 0.0f) {
        return;
    }
    Colour& p = at(x, y);
    p = mix(p, colour, std::min(opacity, 1.0f));
}

void Canvas::fill(const Colour& colour)
{
    std::fill(pixels_.begin(), pixels_.end(), colour);
}

void Canvas::paste(const Canvas& source, int x, int y)
{
    for (int row = 0; row < source.height(); ++row) {
        for (int col = 0; col < source.width(); ++col) {
            const int dx = x + col;
            const int dy = y + row;
            if (dx >= 0 && dy >= 0 && dx < width_ && dy < height_) {
                at(dx, dy) = source.at(col, row);
            }
        }
    }
}

Canvas Canvas::downsampled(int factor) const
{
    Canvas out(width_ / factor, height_ / factor);
    const float weight = 1.0f / static_cast<float>(factor * factor);
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            Colour sum;
            for (int sy = 0; sy < factor; ++sy) {
                for (int sx = 0; sx < factor; ++sx) {
                    const Colour& c = at(x * factor + sx, y * factor + sy);
                    sum.r += c.r;
                    sum.g += c.g;
                    sum.b += c.b;
                }
            }
            out.at(x, y) = scaled(sum, weight);
        }
    }
    return out;
}

Canvas stackVertically(const std::vector<Canvas>& images)
{
    if (images.empty()) {
        return {};
    }
    const int width = images.front().width();
    const int height = images.front().height();
    Canvas strip(width, height * static_cast<int>(images.size()));
    for (size_t i = 0; i < images.size(); ++i) {
        strip.paste(images[i], 0, height * static_cast<int>(i));
    }
    return strip;
}

}  // namespace fendwick::artwork
