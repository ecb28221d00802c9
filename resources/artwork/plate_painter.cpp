// Brushed-metal plates.
#include "plate_painter.h"

#include "painter.h"

#include <cstdint>

namespace fendwick::artwork {

namespace {

// A fixed integer hash, so the brushing is the same on every run and machine.
float grain(uint32_t n)
{
    n = (n ^ 61u) ^ (n >> 16);
    n *= 9u;
    n ^= n >> 4;
    n *= 0x27d4eb2du;
    n ^= n >> 15;
    return static_cast<float>(n & 0xffffu) / 65535.0f;
}

}  // namespace

Canvas paintPlate(int width, int height, const Theme& theme)
{
    const float w = static_cast<float>(width);
    const float h = static_cast<float>(height);
    const Colour top = mix(theme.backdrop, theme.panel, 0.55f);
    const Colour bottom = scaled(theme.backdrop, 0.75f);
    Canvas canvas(width, height, theme.backdrop);
    Painter painter(canvas);
    painter.fill(roundedRect(0.0f, 0.0f, w, h, 3.0f), theme.panelShadow);
    painter.fill(roundedRect(1.0f, 1.0f, w - 1.0f, h - 1.0f, 2.0f), linearGradient(0.0f, 1.0f, top, 0.0f, h - 1.0f, bottom));
    for (int y = 2; y < height - 2; ++y) {
        for (int x = 2; x < width - 2; ++x) {
            // Long horizontal strokes: the grain changes slowly along x and freely across rows.
            const float g = 0.6f * grain(static_cast<uint32_t>(y) * 7919u + static_cast<uint32_t>(x / 23)) +
                            0.4f * grain(static_cast<uint32_t>(y) * 104729u + static_cast<uint32_t>(x / 5));
            canvas.blend(x, y, g > 0.5f ? rgb(255, 255, 255) : Colour{}, 0.018f + 0.02f * (g > 0.5f ? g - 0.5f : 0.5f - g));
        }
    }
    painter.fill(capsule(3.0f, 1.5f, w - 3.0f, 1.5f, 1.0f), rgb(255, 255, 255), 0.07f);
    return canvas;
}

}  // namespace fendwick::artwork
