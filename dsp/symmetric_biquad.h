// A second-order filter section whose b2 equals b0, as the low- and
// high-pass sections of every line have it.
#pragma once

#include "sample_guards.h"

namespace fendwick {

// The coefficients (normalised, a0 = 1) and the history of two inputs and
// two outputs; the owner computes the coefficients. step runs on the audio
// thread; clearHistory keeps the coefficients.
struct SymmetricBiquad {
    float step(float x)
    {
        // b0 serves the input two samples back as well: b2 equals b0.
        const float y = flushToZero(b0 * (x + x2) + b1 * x1 - a1 * y1 - a2 * y2);
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        return y;
    }

    void clearHistory() { x1 = x2 = y1 = y2 = 0.0f; }

    float b0 = 0.0f;
    float b1 = 0.0f;
    float a1 = 0.0f;
    float a2 = 0.0f;
    float x1 = 0.0f;  // previous input
    float x2 = 0.0f;  // input two samples back
    float y1 = 0.0f;  // previous output
    float y2 = 0.0f;  // output two samples back
};

}  // namespace fendwick
