// A two-picture switch: a click flips it, and a held press follows the pointer.
#pragma once

#include "control.h"

#include <cstdint>

namespace fendwick {

// The background holds two images stacked vertically: off above, on below.
// Any value other than 0 shows the on image.
class OnOffButton : public Control {
public:
    OnOffButton(const Rect& size, ControlListener* listener, int32_t tag, int32_t imageHeight,
                Bitmap* background, const Point& offset);

    void draw(DrawContext& context) override;
    void mouse(DrawContext& context, const Point& where) override;

    int32_t imageHeight() const { return imageHeight_; }
    float lastDrawnValue() const { return lastDrawnValue_; }

private:
    int32_t imageHeight_;
    float lastDrawnValue_ = 0.0f;
};

}  // namespace fendwick
