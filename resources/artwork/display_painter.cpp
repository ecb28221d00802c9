// Display and meter backgrounds.
#include "display_painter.h"

#include "painter.h"

#include <cmath>

namespace fendwick::artwork {

namespace {

// Darkens or lightens a whole row or column, for the edges of a recessed face.
void shadeRow(Canvas& canvas, int y, const Colour& towards, float amount)
{
    for (int x = 0; x < canvas.width(); ++x) {
        canvas.blend(x, y, towards, amount);
    }
}

void shadeColumn(Canvas& canvas, int x, const Colour& towards, float amount)
{
    for (int y = 0; y < canvas.height(); ++y) {
        canvas.blend(x, y, towards, amount);
    }
}

}  // namespace

Canvas paintDarkDisplay(int width, int height, const Theme& theme)
{
    const float w = static_cast<float>(width);
    const float h = static_cast<float>(height);
    Canvas canvas(width, height);
    Painter painter(canvas);
    painter.fill(roundedRect(-1.0f, -1.0f, w + 1.0f, h + 1.0f, 0.0f),
                 linearGradient(0.0f, 0.0f, theme.displayTop, 0.0f, h, theme.displayBottom));
    // Glass: a faint sheen over the upper half, and a hint of the lamp colour at the floor.
    painter.fill(roundedRect(1.0f, 1.0f, w - 1.0f, h * 0.5f, 0.0f), rgb(255, 255, 255), 0.025f);
    painter.fill(roundedRect(0.0f, h - 3.0f, w, h + 3.0f, 0.0f), theme.accent, 0.035f, 3.0f);
    shadeRow(canvas, 0, Colour{}, 0.6f);
    shadeRow(canvas, 1, Colour{}, 0.25f);
    shadeColumn(canvas, 0, Colour{}, 0.35f);
    shadeColumn(canvas, width - 1, Colour{}, 0.2f);
    shadeRow(canvas, height - 1, theme.accent, 0.05f);
    return canvas;
}

Canvas paintLightField(int width, int height, const Theme& theme, const Colour* tint)
{
    const float w = static_cast<float>(width);
    const float h = static_cast<float>(height);
    Canvas canvas(width, height);
    Painter painter(canvas);
    const float tintAmount = tint != nullptr ? 0.04f : 0.0f;
    const Colour tintColour = tint != nullptr ? *tint : Colour{};
    painter.fill(roundedRect(-1.0f, -1.0f, w + 1.0f, h + 1.0f, 0.0f),
                 linearGradient(0.0f, 0.0f, mix(theme.fieldTop, tintColour, tintAmount), 0.0f, h,
                                mix(theme.fieldBottom, tintColour, tintAmount)));
    shadeRow(canvas, 0, theme.panelShadow, 0.45f);
    shadeRow(canvas, 1, theme.panelShadow, 0.12f);
    // No shade on the right: a display may be wider than its field, and the
    // background continues the field there without a seam.
    shadeColumn(canvas, 0, theme.panelShadow, 0.25f);
    shadeRow(canvas, height - 1, theme.panelShadow, 0.18f);
    if (tint != nullptr) {
        shadeRow(canvas, height - 1, *tint, 0.65f);
    }
    return canvas;
}

Canvas paintMeterFace(int width, int height, const Theme& theme)
{
    constexpr float pixelsPerDb = 2.05f;
    Canvas canvas(width, height, theme.meterFace);
    for (int y = 1; y < height; y += 2) {
        shadeRow(canvas, y, Colour{}, 0.35f);
    }
    for (int db = 10; db < 40; db += 10) {
        const int y = static_cast<int>(std::lround(static_cast<float>(db) * pixelsPerDb));
        shadeRow(canvas, y, theme.meterMark, 1.0f);
    }
    for (int db = 5; db < 40; db += 10) {
        const int y = static_cast<int>(std::lround(static_cast<float>(db) * pixelsPerDb));
        for (int x = 0; x < width; ++x) {
            if (x < 2 || x >= width - 2) {
                canvas.blend(x, y, theme.meterMark, 0.8f);
            }
        }
    }
    shadeColumn(canvas, 0, Colour{}, 0.5f);
    shadeColumn(canvas, width - 1, rgb(255, 255, 255), 0.04f);
    return canvas;
}

}  // namespace fendwick::artwork
