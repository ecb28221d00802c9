// A picture the artwork program paints into, in float colours, before it is
// stored as a bitmap of the product.
#pragma once

#include "colour.h"

#include <cstddef>
#include <vector>

namespace fendwick::artwork {

// Pixels are rows top to bottom, left to right; pixel (x, y) covers the square
// from (x, y) to (x + 1, y + 1), so its centre is at (x + 0.5, y + 0.5).
class Canvas {
public:
    Canvas() = default;
    Canvas(int width, int height, const Colour& fill = {});

    int width() const { return width_; }
    int height() const { return height_; }

    Colour& at(int x, int y) { return pixels_[index(x, y)]; }
    const Colour& at(int x, int y) const { return pixels_[index(x, y)]; }

    // Lays colour over pixel (x, y) with the given opacity; outside pixels are ignored.
    void blend(int x, int y, const Colour& colour, float opacity);
    void fill(const Colour& colour);

    // Copies source with its top-left pixel at (x, y), clipped to this canvas.
    void paste(const Canvas& source, int x, int y);
    // Each factor x factor block averaged into one pixel (the supersampling's last step).
    Canvas downsampled(int factor) const;

private:
    size_t index(int x, int y) const
    {
        return static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x);
    }

    int width_ = 0;
    int height_ = 0;
    std::vector<Colour> pixels_;
};

// Stacks pictures of one size vertically, the first on top (film strips and
// the images of buttons and switches).
Canvas stackVertically(const std::vector<Canvas>& images);

}  // namespace fendwick::artwork
