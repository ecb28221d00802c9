// A row of click zones over a strip of pictures.
#include "multi_position_switch.h"

#include "bitmap.h"
#include "control_listener.h"

#include <cmath>

namespace fendwick {

MultiPositionSwitch::MultiPositionSwitch(const Rect& size, ControlListener* listener, int32_t tag,
                                         int32_t numberOfImages, int32_t imageHeight, int32_t positions,
                                         Bitmap* background, const Point& offset)
    : Control(size, listener, tag, background),
      numberOfImages_(numberOfImages),
      imageHeight_(imageHeight),
      positions_(positions)
{
    setBackgroundOffset(offset);
}

int32_t MultiPositionSwitch::imageIndex() const
{
    if (positions_ < 2)
        return 0;
    const float last = static_cast<float>(positions_ - 1);
    const float image = last * value() + 0.5f;
    // Values outside 0..1 (or NaN) show the nearer end.
    if (!(image >= 1.0f))
        return 0;
    return image >= last ? positions_ - 1 : static_cast<int32_t>(image);
}

void MultiPositionSwitch::draw(DrawContext& context)
{
    const float drawn = value();
    if (background() != nullptr) {
        const Point& offset = backgroundOffset();
        drawBackground(context, Point{offset.x, offset.y + imageIndex() * imageHeight_});
    }
    markDrawn(drawn);
}

float MultiPositionSwitch::zoneValue(int32_t x, float zoneWidth) const
{
    if (positions_ < 2 || zoneWidth <= 0.0f)
        return 0.0f;
    const float zone = std::trunc(static_cast<float>(x - viewSize().left) * (1.0f / zoneWidth));
    const float v = zone / static_cast<float>(positions_ - 1);
    return v > 1.0f ? 1.0f : (v < 0.0f ? 0.0f : v);
}

void MultiPositionSwitch::mouse(DrawContext& context, const Point& where)
{
    if (!mouseEnabled())
        return;
    const int32_t pressed = mouseState();
    if ((pressed & MouseState::primary) == 0)
        return;
    if (pressed == (MouseState::primary | MouseState::control)) {
        setValue(defaultValue());
        notifyIfDirty(&context);
        return;
    }
    // The zones divide the picture's width; without a picture, the view's.
    const int32_t width = background() != nullptr && background()->width() > 0 ? background()->width()
                                                                                : viewSize().width();
    const float zoneWidth = static_cast<float>(width) / static_cast<float>(positions_ > 0 ? positions_ : 1);
    beginEdit();
    // Only x counts, also outside the view; any change of button or
    // modifier (Shift pressed during the drag) ends it.
    Point cursor = where;
    do {
        setValue(zoneValue(cursor.x, zoneWidth));
        notifyIfDirty(&context);
        cursor = currentLocation();
        idleWait();
    } while (mouseState() == pressed);
    endEdit();
}

}  // namespace fendwick
