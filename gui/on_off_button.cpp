// A two-picture switch: a click flips it, and a held press follows the pointer.
#include "on_off_button.h"

#include "control_listener.h"

namespace fendwick {

OnOffButton::OnOffButton(const Rect& size, ControlListener* listener, int32_t tag, int32_t imageHeight,
                         Bitmap* background, const Point& offset)
    : Control(size, listener, tag, background), imageHeight_(imageHeight)
{
    setBackgroundOffset(offset);
}

void OnOffButton::draw(DrawContext& context)
{
    bounceValue();
    const float drawn = value();
    const Point& offset = backgroundOffset();
    drawBackground(context, Point{offset.x, offset.y + (drawn == 0.0f ? 0 : imageHeight_)});
    lastDrawnValue_ = drawn;
    markDrawn(drawn);
}

void OnOffButton::mouse(DrawContext& context, const Point& where)
{
    if (!mouseEnabled())
        return;
    const int32_t pressed = mouseState();
    if ((pressed & MouseState::primary) == 0)
        return;
    const float oldValue = value();
    const float flipped = oldValue == 0.0f ? 1.0f : 0.0f;
    // Already released (and no modifier held): a plain click.
    if (mouseState() == 0) {
        setValue(flipped);
        if (listener() != nullptr)
            listener()->valueChanged(&context, this);
        return;
    }
    beginEdit();
    // Follow the pointer until any button or modifier changes; the state at
    // release is the one that stays.
    Point cursor = where;
    while (mouseState() == pressed) {
        const bool inside = hit(cursor);
        setValue(inside ? flipped : oldValue);
        notifyIfDirty(&context);
        cursor = currentLocation();
        idleWait();
    }
    endEdit();
    lastDrawnValue_ = value();
}

}  // namespace fendwick
