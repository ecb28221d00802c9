// A view with a normalized value that reports changes to a listener.
#include "control.h"

#include "bitmap.h"
#include "control_listener.h"
#include "editor_link.h"
#include "frame.h"

namespace fendwick {

Control::Control(const Rect& size, ControlListener* listener, int32_t tag, Bitmap* background)
    : View(size), listener_(listener), tag_(tag), background_(background)
{
    if (background_ != nullptr)
        background_->takeReference();
}

Control::~Control()
{
    if (background_ != nullptr)
        background_->release();
}

void Control::idleWait()
{
    if (Frame* frame = parentFrame())
        frame->idleWait();
}

void Control::setBackground(Bitmap* background)
{
    if (background != nullptr)
        background->takeReference();
    if (background_ != nullptr)
        background_->release();
    background_ = background;
}

void Control::setBackgroundOffsetToSize()
{
    backgroundOffset_ = Point{viewSize().left, viewSize().top};
}

void Control::bounceValue()
{
    if (value_ > maximum_)
        value_ = maximum_;
    else if (value_ < minimum_)
        value_ = minimum_;
}

bool Control::isDirty() const { return value_ != oldValue_ || View::isDirty(); }

void Control::setDirty(bool dirty)
{
    View::setDirty(dirty);
    if (dirty)
        oldValue_ = value_ != -1.0f ? -1.0f : 0.0f;
    else
        oldValue_ = value_;
}

void Control::markDrawn(float drawnValue)
{
    View::setDirty(false);
    oldValue_ = drawnValue;
}

void Control::notifyIfDirty(DrawContext* context)
{
    if (listener_ != nullptr && isDirty())
        listener_->valueChanged(context, this);
}

void Control::beginEdit()
{
    if (EditorLink* link = editor())
        link->beginEdit(tag_);
}

void Control::endEdit()
{
    if (EditorLink* link = editor())
        link->endEdit(tag_);
}

int32_t Control::mouseState() const
{
    const Frame* frame = parentFrame();
    return frame != nullptr ? frame->mouseState() : 0;
}

Point Control::currentLocation() const
{
    const Frame* frame = parentFrame();
    return frame != nullptr ? frame->currentLocation() : Point{};
}

void Control::drawBackground(DrawContext& context, const Point& from) const
{
    if (background_ == nullptr)
        return;
    if (transparency())
        background_->drawTransparent(context, viewSize(), from);
    else
        background_->draw(context, viewSize(), from);
}

}  // namespace fendwick
