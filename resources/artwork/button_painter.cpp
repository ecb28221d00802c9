// Lamp buttons and segmented switches.
#include "button_painter.h"

#include "lettering.h"
#include "painter.h"

#include <utility>

namespace fendwick::artwork {

namespace {

constexpr float cornerRadius = 2.5f;

int textSizeFor(int height)
{
    return height >= 14 ? 8 : 7;
}

// A button face inside box: dark rim, a gradient face tinted by the light
// when lit, and a thin sheen along the top edge.
void paintFace(Canvas& canvas, const Box& box, bool lit, const Theme& theme)
{
    Painter painter(canvas);
    painter.fill(roundedRect(box.left, box.top, box.right, box.bottom, cornerRadius), theme.panelShadow);
    const Colour top = lit ? mix(theme.buttonTop, theme.accent, 0.16f) : theme.buttonTop;
    const Colour bottom = lit ? mix(theme.buttonBottom, theme.accent, 0.10f) : theme.buttonBottom;
    painter.fill(roundedRect(box.left + 1.0f, box.top + 1.0f, box.right - 1.0f, box.bottom - 1.0f, cornerRadius - 1.0f),
                 linearGradient(0.0f, box.top + 1.0f, top, 0.0f, box.bottom - 1.0f, bottom));
    painter.fill(capsule(box.left + 2.5f, box.top + 1.5f, box.right - 2.5f, box.top + 1.5f, 1.0f), rgb(255, 255, 255),
                 lit ? 0.16f : 0.10f);
    if (lit) {
        painter.fill(roundedRect(box.left + 1.0f, box.top + 1.0f, box.right - 1.0f, box.bottom - 1.0f,
                                 cornerRadius - 1.0f),
                     radialGradient((box.left + box.right) * 0.5f, (box.top + box.bottom) * 0.5f,
                                    (box.right - box.left) * 0.5f, theme.accent, theme.buttonBottom),
                     0.10f);
    }
}

// Lit text glows: a faint halo of the lamp colour round the letters.
void paintCaption(Canvas& canvas, const std::string& text, float cx, float cy, bool lit, const Theme& theme,
                  const Typefaces& type, int size)
{
    TextStyle style{type.bold.get(), size, lit ? theme.accent : theme.buttonText, 0.4f, 1.0f, lit ? 0.0f : 0.5f};
    if (lit) {
        TextStyle halo = style;
        halo.opacity = 0.16f;
        for (const auto& [dx, dy] : {std::pair{-1.0f, 0.0f}, {1.0f, 0.0f}, {0.0f, -1.0f}, {0.0f, 1.0f}}) {
            drawText(canvas, halo, text, cx + dx, cy + dy, Align::centre);
        }
    }
    drawText(canvas, style, text, cx, cy, Align::centre);
}

void paintPowerIcon(Canvas& canvas, float cx, float cy, const Colour& colour)
{
    Painter painter(canvas);
    painter.fill(arcStroke(cx, cy, 2.6f, 58.0f, -296.0f, 1.1f), colour);
    painter.fill(capsule(cx, cy - 3.6f, cx, cy - 0.6f, 1.1f), colour);
}

Canvas lampImage(int width, int height, const std::string& text, ButtonIcon icon, bool lit, const Theme& theme,
                 const Typefaces& type)
{
    Canvas canvas(width, height, theme.panelShadow);
    const float w = static_cast<float>(width);
    const float h = static_cast<float>(height);
    paintFace(canvas, {0.0f, 0.0f, w, h}, lit, theme);
    const int size = textSizeFor(height);
    float cx = w * 0.5f;
    if (icon == ButtonIcon::power) {
        const float textWidth = static_cast<float>(type.bold->textWidth(text, size, 0.4f));
        const float iconWidth = 6.0f;
        const float gap = 3.0f;
        const float left = (w - iconWidth - gap - textWidth) * 0.5f;
        paintPowerIcon(canvas, left + iconWidth * 0.5f, h * 0.5f + 0.3f, lit ? theme.accent : theme.buttonText);
        cx = left + iconWidth + gap + textWidth * 0.5f;
    }
    paintCaption(canvas, text, cx, h * 0.5f, lit, theme, type, size);
    return canvas;
}

}  // namespace

Canvas paintLampButton(int width, int height, const std::string& text, ButtonIcon icon, const Theme& theme,
                       const Typefaces& type)
{
    return stackVertically({lampImage(width, height, text, icon, false, theme, type),
                            lampImage(width, height, text, icon, true, theme, type)});
}

Canvas paintSegmentSwitch(int width, int height, const std::vector<std::string>& names, const Theme& theme,
                          const Typefaces& type)
{
    const float w = static_cast<float>(width);
    const float h = static_cast<float>(height);
    const float zone = w / static_cast<float>(names.size());
    std::vector<Canvas> images;
    for (size_t active = 0; active < names.size(); ++active) {
        Canvas canvas(width, height, theme.panelShadow);
        Painter(canvas).fill(roundedRect(0.0f, 0.0f, w, h, cornerRadius), theme.panelShadow);
        for (size_t i = 0; i < names.size(); ++i) {
            const float left = zone * static_cast<float>(i);
            const Box box{i == 0 ? 0.0f : left - 0.5f, 0.0f, i + 1 == names.size() ? w : left + zone + 0.5f, h};
            paintFace(canvas, box, i == active, theme);
            paintCaption(canvas, names[i], left + zone * 0.5f, h * 0.5f, i == active, theme, type,
                         textSizeFor(height));
        }
        images.push_back(std::move(canvas));
    }
    return stackVertically(images);
}

}  // namespace fendwick::artwork
