// A second-order filter section whose b2 equals b0, as the low- and
// high-pass sections of every line have it.
#pragma once

#include "sample_guards.h"

namespace fendwick {

// The coefficients (normalised, a0 = 1) and the history of two inputs and
// two outputs; the owner computes the coefficients. step runs on the audio
// thread; clearHistory keeps the coefficients.
struct SymmetricBiquad {
    // What a frame loop reads once per block.
    struct Coefficients {
        float b0 = 0.0f;  // b2 equals it
        float b1 = 0.0f;
        float a1 = 0.0f;
        float a2 = 0.0f;
    };

    // What a frame loop carries from sample to sample.
    struct History {
        float x1 = 0.0f;  // previous input
        float x2 = 0.0f;  // input two samples back
        float y1 = 0.0f;  // previous output
        float y2 = 0.0f;  // output two samples back
    };

    float step(float x)
    {
        const Coefficients& k = coefficients;
        History& h = history;
        // b0 serves the input two samples back as well: b2 equals b0.
        const float y = flushToZero(k.b0 * (x + h.x2) + k.b1 * h.x1 - k.a1 * h.y1 - k.a2 * h.y2);
        h.x2 = h.x1;
        h.x1 = x;
        h.y2 = h.y1;
        h.y1 = y;
        return y;
    }

    void clearHistory() { history = History{}; }

    Coefficients coefficients;
    History history;
};

}  // namespace fendwick
