// Knob frames: a groove with a lit value arc round a capped knob with a pointer.
#include "knob_painter.h"

#include "painter.h"

#include <cmath>

namespace fendwick::artwork {

namespace {

// Drawn four times larger and averaged down, so that the pointer and the arc
// stay smooth at every angle.
constexpr int supersampling = 4;
constexpr float startDeg = 225.0f;
constexpr float rangeDeg = 270.0f;

struct KnobGeometry {
    float centre;
    float trackRadius;
    float trackWidth;
    float capRadius;
    float rimWidth;
    float pointerWidth;
};

// Proportions tuned by eye at the two sizes the editors use (32 and 51 pixels).
KnobGeometry geometryFor(int size)
{
    const float s = static_cast<float>(size);
    KnobGeometry g{};
    g.centre = s * 0.5f;
    g.trackWidth = size >= 48 ? 3.0f : 2.2f;
    g.trackRadius = s * 0.5f - g.trackWidth * 0.5f - 0.9f;
    g.capRadius = g.trackRadius - g.trackWidth * 0.5f - (size >= 48 ? 2.4f : 1.6f);
    g.rimWidth = size >= 48 ? 2.4f : 1.7f;
    g.pointerWidth = size >= 48 ? 2.3f : 1.8f;
    return g;
}

KnobGeometry scaledUp(const KnobGeometry& g)
{
    const float k = static_cast<float>(supersampling);
    return {g.centre * k, g.trackRadius * k, g.trackWidth * k, g.capRadius * k, g.rimWidth * k, g.pointerWidth * k};
}

// Grip ridges that turn with the knob: the rim is shaded by a cosine of the
// angle measured from the pointer.
Paint knurledRim(const KnobGeometry& g, const Theme& theme, float angleDeg)
{
    const Paint base = linearGradient(0.0f, g.centre - g.capRadius, theme.capTop, 0.0f, g.centre + g.capRadius,
                                      theme.capBottom);
    const float pointerRad = angleDeg * 3.14159265f / 180.0f;
    const float c = g.centre;
    return [=](float x, float y) {
        constexpr float ridges = 28.0f;
        const float angle = std::atan2(c - y, x - c);
        const float ridge = 0.5f + 0.5f * std::cos(ridges * (angle - pointerRad));
        return scaled(base(x, y), 1.0f - 0.28f * ridge);
    };
}

}  // namespace

float knobAngle(float value)
{
    return startDeg - rangeDeg * value;
}

Canvas paintKnobFrame(const KnobStyle& style, const Theme& theme, float value)
{
    const KnobGeometry g = scaledUp(geometryFor(style.size));
    const float soft = 1.0f;
    const float k = static_cast<float>(supersampling);
    Canvas canvas(style.size * supersampling, style.size * supersampling, theme.panel);
    Painter painter(canvas);
    const float c = g.centre;
    const float angle = knobAngle(value);

    // Groove, with a faint lit lower lip so that it reads as cut into the panel.
    painter.fill(arcStroke(c, c + 0.6f * k, g.trackRadius, startDeg, -rangeDeg, g.trackWidth), theme.panelLight,
                 0.35f, soft);
    painter.fill(arcStroke(c, c, g.trackRadius, startDeg, -rangeDeg, g.trackWidth), theme.track, 1.0f, soft);

    const float arcStart = style.bipolar ? 90.0f : startDeg;
    const float sweep = angle - arcStart;
    if (std::fabs(sweep) > 0.01f) {
        painter.fill(arcStroke(c, c, g.trackRadius, arcStart, sweep, g.trackWidth + 2.5f * k), style.arc, 0.22f,
                     2.5f * k);
        painter.fill(arcStroke(c, c, g.trackRadius, arcStart, sweep, g.trackWidth - 0.4f * k), style.arc, 1.0f,
                     soft);
    }

    // Cap: soft shadow, rim lit from above, a flatter face, a faint sheen.
    painter.fill(circle(c, c + 1.3f * k, g.capRadius + 0.6f * k), Colour{}, 0.6f, 2.2f * k);
    const Shape cap = circle(c, c, g.capRadius);
    if (theme.knurledKnobs) {
        painter.fill(cap, knurledRim(g, theme, angle), 1.0f, soft);
    } else {
        painter.fill(cap, linearGradient(0.0f, c - g.capRadius, theme.capTop, 0.0f, c + g.capRadius, theme.capBottom),
                     1.0f, soft);
    }
    const float faceRadius = g.capRadius - g.rimWidth;
    painter.fill(circle(c, c, faceRadius),
                 linearGradient(0.0f, c - faceRadius, mix(theme.capTop, theme.capBottom, 0.38f), 0.0f, c + faceRadius,
                                mix(theme.capTop, theme.capBottom, 0.72f)),
                 1.0f, soft);
    painter.fill(circle(c, c - faceRadius * 0.45f, faceRadius * 0.75f), rgb(255, 255, 255), 0.05f, faceRadius * 0.6f);

    float ax = 0.0f;
    float ay = 0.0f;
    float bx = 0.0f;
    float by = 0.0f;
    pointAt(c, c, faceRadius * 0.3f, angle, ax, ay);
    pointAt(c, c, faceRadius - 0.5f * k, angle, bx, by);
    painter.fill(moved(capsule(ax, ay, bx, by, g.pointerWidth), 0.0f, 0.6f * k), Colour{}, 0.45f, 1.2f * k);
    painter.fill(capsule(ax, ay, bx, by, g.pointerWidth), theme.pointer, 1.0f, soft);

    return canvas.downsampled(supersampling);
}

Canvas paintKnobStrip(const KnobStyle& style, const Theme& theme)
{
    std::vector<Canvas> frames;
    for (int i = 0; i < knobFrameCount; ++i) {
        frames.push_back(paintKnobFrame(style, theme, static_cast<float>(i) / static_cast<float>(knobFrameCount - 1)));
    }
    return stackVertically(frames);
}

}  // namespace fendwick::artwork
