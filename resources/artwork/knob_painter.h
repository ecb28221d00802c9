// Film strips of the rotary knobs: 81 frames, frame 0 at the top.
#pragma once

#include "canvas.h"
#include "theme.h"

namespace fendwick::artwork {

constexpr int knobFrameCount = 81;

struct KnobStyle {
    int size = 32;        // width and height of one frame
    Colour arc;           // colour of the value arc
    bool bipolar = false; // the arc grows from the top (0 dB in the middle of the range)
};

// Pointer angle in degrees for a value from 0 to 1: 225 (lower left) at 0,
// 90 (top) at 0.5, -45 (lower right) at 1, turning clockwise.
float knobAngle(float value);

// One frame, drawn on the panel colour so that it blends into the background.
Canvas paintKnobFrame(const KnobStyle& style, const Theme& theme, float value);
// All frames stacked vertically, frame i showing the value i / 80.
Canvas paintKnobStrip(const KnobStyle& style, const Theme& theme);

}  // namespace fendwick::artwork
