// A knob drawn as one picture of a vertical strip, chosen by the value.
#pragma once

#include "knob.h"

#include <cstdint>

namespace fendwick {

// Image 0 shows the minimum and the last image the maximum; a negative
// value set by the editor shows image 0.
class FilmStripKnob : public Knob {
public:
    FilmStripKnob(const Rect& size, ControlListener* listener, int32_t tag, int32_t numberOfImages,
                  int32_t imageHeight, Bitmap* background, const Point& offset);

    void draw(DrawContext& context) override;

    int32_t numberOfImages() const { return numberOfImages_; }
    int32_t imageHeight() const { return imageHeight_; }
    // The top row in the strip of the image for the current value.
    int32_t imageTop() const;

private:
    int32_t numberOfImages_;
    int32_t imageHeight_;
};

}  // namespace fendwick
