// Draws the parts of an editor background: panels, recesses behind the
// displays and switches, labels, headings and the product name.
#pragma once

#include "canvas.h"
#include "lettering.h"
#include "painter.h"
#include "theme.h"
#include "typefaces.h"

#include <string>

namespace fendwick::artwork {

// Rectangles are given as left, top, right, bottom in pixels, right and
// bottom exclusive, the way the editors place their controls.
class PanelPainter {
public:
    PanelPainter(Canvas& canvas, const Theme& theme, const Typefaces& type);

    // The whole background in the backdrop colour, lit a little towards the top.
    void backdrop();
    // A raised panel with rounded corners; its face is the flat panel colour
    // that every knob and switch picture is drawn on.
    void panel(float left, float top, float right, float bottom);
    // A recess round a display or meter occupying the rectangle.
    void displayRecess(int left, int top, int right, int bottom);
    // A shallow seat round a button occupying the rectangle.
    void buttonSeat(int left, int top, int right, int bottom);
    // A control name, its capitals centred on (cx, cy).
    void label(const std::string& text, float cx, float cy);
    // A smaller name in capitals, for meters and scale ends.
    void caption(const std::string& text, float x, float cy, Align align);
    // A section name in spaced capitals with engraved rules out to left and right.
    void heading(const std::string& text, float cx, float cy, float left, float right);
    // The dB marks of a meter 82 pixels high whose top row is meterTop: 0 to
    // 40 dB down, 2.05 pixels per dB; x is the scale's left or right edge.
    void meterScale(int x, int meterTop, Align align);
    // An engraved horizontal line.
    void rule(float left, float right, float y);
    // An engraved vertical line.
    void verticalRule(float x, float top, float bottom);
    // The product name in large spaced capitals; answers its width.
    int productName(const std::string& text, float x, float cy, int size, Align align);

    Canvas& canvas() { return canvas_; }

private:
    Canvas& canvas_;
    const Theme& theme_;
    const Typefaces& type_;
    Painter painter_;
};

}  // namespace fendwick::artwork
