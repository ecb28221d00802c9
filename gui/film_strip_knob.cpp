// A knob drawn as one picture of a vertical strip, chosen by the value.
#include "film_strip_knob.h"

namespace fendwick {

FilmStripKnob::FilmStripKnob(const Rect& size, ControlListener* listener, int32_t tag, int32_t numberOfImages,
                             int32_t imageHeight, Bitmap* background, const Point& offset)
    : Knob(size, listener, tag, background, nullptr, offset),
      numberOfImages_(numberOfImages),
      imageHeight_(imageHeight)
{
    setInset(0);
}

int32_t FilmStripKnob::imageTop() const
{
    if (!(value() >= 0.0f) || imageHeight_ <= 0 || numberOfImages_ <= 1)
        return 0;
    const int32_t total = imageHeight_ * (numberOfImages_ - 1);
    // Truncated, so that only the value 1 reaches the last image.
    const float position = value() * static_cast<float>(total);
    if (position >= static_cast<float>(total))
        return total;
    const int32_t pos = static_cast<int32_t>(position);
    return pos - pos % imageHeight_;
}

void FilmStripKnob::draw(DrawContext& context)
{
    const float drawn = value();
    const Point& offset = backgroundOffset();
    drawBackground(context, Point{offset.x, offset.y + imageTop()});
    markDrawn(drawn);
}

}  // namespace fendwick
