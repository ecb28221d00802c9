// Background building blocks shared by every editor of the family.
#include "panel_painter.h"

#include "tiny_digits.h"

#include <algorithm>
#include <cmath>

namespace fendwick::artwork {

namespace {

constexpr float panelRadius = 5.0f;

}  // namespace

PanelPainter::PanelPainter(Canvas& canvas, const Theme& theme, const Typefaces& type)
    : canvas_(canvas), theme_(theme), type_(type), painter_(canvas)
{
}

void PanelPainter::backdrop()
{
    const float w = static_cast<float>(canvas_.width());
    const float h = static_cast<float>(canvas_.height());
    painter_.fill(roundedRect(-2.0f, -2.0f, w + 2.0f, h + 2.0f, 0.0f),
                  linearGradient(0.0f, 0.0f, scaled(theme_.backdrop, 1.18f), 0.0f, h, scaled(theme_.backdrop, 0.8f)));
    for (int x = 0; x < canvas_.width(); ++x) {
        canvas_.blend(x, 0, theme_.panelLight, 0.5f);
        canvas_.blend(x, canvas_.height() - 1, Colour{}, 0.5f);
    }
}

void PanelPainter::panel(float left, float top, float right, float bottom)
{
    const Shape face = roundedRect(left, top, right, bottom, panelRadius);
    painter_.fill(moved(grown(face, 0.5f), 0.0f, 1.5f), Colour{}, 0.55f, 3.0f);
    painter_.fill(face, theme_.panel);
    // The rim turns from the lit top into the shaded bottom along the sides.
    painter_.stroke(face, linearGradient(0.0f, top, theme_.panelLight, 0.0f, bottom, theme_.panelShadow), 1.0f);
}

void PanelPainter::displayRecess(int left, int top, int right, int bottom)
{
    const float l = static_cast<float>(left);
    const float t = static_cast<float>(top);
    const float r = static_cast<float>(right);
    const float b = static_cast<float>(bottom);
    painter_.fill(roundedRect(l - 2.0f, t - 2.0f, r + 2.0f, b + 2.0f, 3.0f),
                  linearGradient(0.0f, t - 2.0f, scaled(theme_.panelShadow, 0.7f), 0.0f, b + 2.0f, theme_.panelLight));
    painter_.fill(roundedRect(l - 1.0f, t - 1.0f, r + 1.0f, b + 1.0f, 2.0f), scaled(theme_.panelShadow, 0.6f));
}

void PanelPainter::buttonSeat(int left, int top, int right, int bottom)
{
    const float l = static_cast<float>(left);
    const float t = static_cast<float>(top);
    const float r = static_cast<float>(right);
    const float b = static_cast<float>(bottom);
    painter_.fill(roundedRect(l - 1.0f, t - 1.0f, r + 1.0f, b + 1.0f, 3.5f),
                  linearGradient(0.0f, t - 1.0f, theme_.panelShadow, 0.0f, b + 1.0f, theme_.panelLight), 0.8f);
}

void PanelPainter::label(const std::string& text, float cx, float cy)
{
    drawText(canvas_, {type_.regular.get(), 9, theme_.label, 0.1f, 1.0f, 0.55f}, text, cx, cy, Align::centre);
}

void PanelPainter::caption(const std::string& text, float x, float cy, Align align)
{
    drawText(canvas_, {type_.bold.get(), 7, scaled(theme_.label, 0.8f), 0.4f, 1.0f, 0.5f}, text, x, cy, align);
}

void PanelPainter::heading(const std::string& text, float cx, float cy, float left, float right)
{
    const TextStyle style{type_.bold.get(), 8, theme_.heading, 1.4f, 1.0f, 0.55f};
    const float width = static_cast<float>(type_.bold->textWidth(text, style.pixelSize, style.tracking));
    drawText(canvas_, style, text, cx, cy, Align::centre);
    const float gap = 6.0f;
    if (cx - width * 0.5f - gap > left + 2.0f) {
        rule(left, cx - width * 0.5f - gap, cy);
    }
    if (cx + width * 0.5f + gap < right - 2.0f) {
        rule(cx + width * 0.5f + gap, right, cy);
    }
}

void PanelPainter::rule(float left, float right, float y)
{
    const float row = static_cast<float>(static_cast<int>(y));
    painter_.fill(roundedRect(left, row, right, row + 1.0f, 0.5f), theme_.panelShadow, 0.9f);
    painter_.fill(roundedRect(left, row + 1.0f, right, row + 2.0f, 0.5f), theme_.panelLight, 0.45f);
}

void PanelPainter::meterScale(int x, int meterTop, Align align)
{
    constexpr float pixelsPerDb = 2.05f;
    constexpr int meterHeight = 82;
    constexpr int digitHeight = 5;
    for (int db = 0; db <= 40; db += 10) {
        const int row = meterTop + static_cast<int>(std::lround(static_cast<float>(db) * pixelsPerDb));
        const int top = std::clamp(row - digitHeight / 2, meterTop, meterTop + meterHeight - digitHeight);
        drawTinyDigits(canvas_, std::to_string(db), x, top, scaled(theme_.label, 0.7f), align);
    }
}

void PanelPainter::verticalRule(float x, float top, float bottom)
{
    const float column = static_cast<float>(static_cast<int>(x));
    painter_.fill(roundedRect(column, top, column + 1.0f, bottom, 0.5f), theme_.panelShadow, 0.9f);
    painter_.fill(roundedRect(column + 1.0f, top, column + 2.0f, bottom, 0.5f), theme_.panelLight, 0.45f);
}

int PanelPainter::productName(const std::string& text, float x, float cy, int size, Align align)
{
    const TextStyle style{type_.bold.get(), size, mix(theme_.label, rgb(255, 255, 255), 0.35f),
                          static_cast<float>(size) * 0.28f, 1.0f, 0.7f};
    return drawText(canvas_, style, text, x, cy, align);
}

}  // namespace fendwick::artwork
