// A rotary control dragged circularly or linearly.
#include "knob.h"

#include "bitmap.h"
#include "draw_context.h"
#include "frame.h"
#include "knob_mode.h"
#include "rect_ops.h"

#include <cmath>

namespace fendwick {
namespace {

constexpr float twoPi = 6.2831853f;
// Pixels of linear drag for the whole range without Shift.
constexpr float linearDragPixels = 200.0f;
// Shift makes wheel and key steps ten times finer.
constexpr float fineStep = 0.1f;

int32_t handleInset(const Bitmap* handle)
{
    return handle != nullptr ? static_cast<int32_t>(static_cast<float>(handle->width()) * 0.5f + 2.5f) : 3;
}

}  // namespace

Knob::Knob(const Rect& size, ControlListener* listener, int32_t tag, Bitmap* background, Bitmap* handle,
           const Point& offset)
    : Control(size, listener, tag, background),
      handle_(handle),
      inset_(handleInset(handle)),
      radius_(static_cast<float>(size.width()) / 2.0f)
{
    if (handle_ != nullptr)
        handle_->takeReference();
    setBackgroundOffset(offset);
}

Knob::~Knob()
{
    if (handle_ != nullptr)
        handle_->release();
}

void Knob::setStartAngle(float radians)
{
    startAngle_ = radians;
    setDirty(true);
}

void Knob::setRangeAngle(float radians)
{
    rangeAngle_ = radians;
    halfDeadZone_ = (twoPi - std::fabs(rangeAngle_)) / 2.0f;
    setDirty(true);
}

void Knob::setHandleBitmap(Bitmap* handle)
{
    if (handle != nullptr)
        handle->takeReference();
    if (handle_ != nullptr)
        handle_->release();
    handle_ = handle;
    inset_ = handleInset(handle_);
}

Point Knob::valueToPoint(float value) const
{
    const float span = max() - min();
    const float angle = startAngle_ + (span != 0.0f ? (value - min()) / span : 0.0f) * rangeAngle_;
    const float reach = radius_ - static_cast<float>(inset_);
    return Point{static_cast<int32_t>(radius_ + std::cos(angle) * reach + 0.5f),
                 static_cast<int32_t>(radius_ - std::sin(angle) * reach + 0.5f)};
}

float Knob::pointToValue(const Point& where) const
{
    float angle = std::atan2(radius_ - static_cast<float>(where.y), static_cast<float>(where.x) - radius_);
    if (angle < 0.0f)
        angle += twoPi;
    // How far the point lies from the start, in the direction of travel.
    float along = rangeAngle_ < 0.0f ? startAngle_ - angle : angle - startAngle_;
    along = std::fmod(along, twoPi);
    if (along < 0.0f)
        along += twoPi;
    const float travel = std::fabs(rangeAngle_);
    if (travel == 0.0f)
        return min();
    if (along <= travel)
        return min() + (max() - min()) * along / travel;
    // The gap: past its middle the start is nearer.
    return along < travel + halfDeadZone_ ? max() : min();
}

void Knob::draw(DrawContext& context)
{
    const float drawn = value();
    drawBackground(context, backgroundOffset());
    drawHandle(context);
    markDrawn(drawn);
}

void Knob::drawHandle(DrawContext& context)
{
    const Rect& size = viewSize();
    const Point tip = valueToPoint(value());
    if (handle_ != nullptr) {
        const int32_t left = size.left + tip.x - handle_->width() / 2;
        const int32_t top = size.top + tip.y - handle_->height() / 2;
        handle_->drawTransparent(context, Rect{left, top, left + handle_->width(), top + handle_->height()});
        return;
    }
    const int32_t centre = static_cast<int32_t>(radius_);
    const Color pen = context.frameColor();
    context.setFrameColor(shadowColor_);
    context.moveTo(Point{size.left + centre, size.top + centre});
    context.lineTo(Point{size.left + tip.x, size.top + tip.y});
    context.setFrameColor(handleColor_);
    context.moveTo(Point{size.left + centre + 1, size.top + centre - 1});
    context.lineTo(Point{size.left + tip.x + 1, size.top + tip.y - 1});
    context.setFrameColor(pen);
}

float Knob::linearPixels(bool shift) const { return shift ? linearDragPixels * zoomFactor_ : linearDragPixels; }

void Knob::mouse(DrawContext& context, const Point& where)
{
    if (!mouseEnabled())
        return;
    int32_t state = mouseState();
    if ((state & MouseState::primary) == 0)
        return;
    if (state == (MouseState::primary | MouseState::control)) {
        setValue(defaultValue());
        notifyIfDirty(&context);
        return;
    }
    const bool alt = (state & MouseState::alt) != 0;
    const bool linear = (knobMode() == KnobMode::linear) != alt;
    const float range = max() - min();
    const float halfRange = range / 2.0f;
    const Point corner{viewSize().left, viewSize().top};
    // Circular: the value the drag last followed.
    float startValue = pointToValue(Point{where.x - corner.x, where.y - corner.y});
    // Linear: the value at the click, moved when Shift changes the step.
    float base = value();
    bool stepShift = (state & MouseState::shift) != 0;
    float step = range / linearPixels(stepShift);

    beginEdit();
    if (Frame* frame = parentFrame())
        frame->setFocusView(this);
    Point cursor = where;
    Point last = where;
    bool first = true;
    do {
        state = mouseState();
        if (first || cursor != last) {
            if (linear) {
                const float delta = static_cast<float>((cursor.x - where.x) + (where.y - cursor.y));
                const bool shift = (state & MouseState::shift) != 0;
                if (shift != stepShift) {
                    // Keep the value where it is under the new step.
                    const float newStep = range / linearPixels(shift);
                    base += (step - newStep) * delta;
                    step = newStep;
                    stepShift = shift;
                }
                setValue(delta * step + base);
                bounceValue();
            } else {
                const float v = pointToValue(Point{cursor.x - corner.x, cursor.y - corner.y});
                // A jump of more than half the range means the pointer
                // crossed the gap: stop at the end it left by.
                if (startValue - v > halfRange) {
                    setValue(max());
                } else if (v - startValue > halfRange) {
                    setValue(min());
                } else {
                    setValue(v);
                    startValue = v;
                }
            }
            notifyIfDirty(&context);
            last = cursor;
            first = false;
        }
        cursor = currentLocation();
        idleWait();
    } while ((state & MouseState::primary) != 0);
    endEdit();
}

bool Knob::wheel(DrawContext* context, const Point&, float distance)
{
    if (!mouseEnabled())
        return false;
    const float scale = (mouseState() & MouseState::shift) != 0 ? fineStep : 1.0f;
    setValue(value() + distance * wheelIncrement() * scale);
    bounceValue();
    notifyIfDirty(context);
    return true;
}

int32_t Knob::keyDown(const KeyEvent& key)
{
    float sign = 0.0f;
    if (key.virtualKey == VirtualKeyCode::left || key.virtualKey == VirtualKeyCode::down)
        sign = -1.0f;
    else if (key.virtualKey == VirtualKeyCode::up || key.virtualKey == VirtualKeyCode::right)
        sign = 1.0f;
    else
        return -1;
    const float scale = (key.modifiers & KeyModifierBit::shift) != 0 ? fineStep : 1.0f;
    setValue(value() + sign * wheelIncrement() * scale);
    bounceValue();
    notifyIfDirty(nullptr);
    return 1;
}

}  // namespace fendwick
