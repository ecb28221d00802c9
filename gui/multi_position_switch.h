// A row of click zones over a strip of pictures, for settings with two or
// three positions.
#pragma once

#include "control.h"

#include <cstdint>

namespace fendwick {

// N zones side by side; zone k sets the value k / (N - 1). The images are
// stacked vertically, image 0 on top.
class MultiPositionSwitch : public Control {
public:
    MultiPositionSwitch(const Rect& size, ControlListener* listener, int32_t tag, int32_t numberOfImages,
                        int32_t imageHeight, int32_t positions, Bitmap* background, const Point& offset);

    void draw(DrawContext& context) override;
    void mouse(DrawContext& context, const Point& where) override;

    int32_t numberOfImages() const { return numberOfImages_; }
    int32_t imageHeight() const { return imageHeight_; }
    int32_t positions() const { return positions_; }
    // The image the current value shows: the nearest position.
    int32_t imageIndex() const;

private:
    // The value of the zone under a frame x coordinate, 0..1.
    float zoneValue(int32_t x, float zoneWidth) const;

    int32_t numberOfImages_;
    int32_t imageHeight_;
    int32_t positions_;
};

}  // namespace fendwick
