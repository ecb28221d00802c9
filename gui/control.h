// A view with a normalized value that reports changes to a listener.
#pragma once

#include "view.h"

#include <cstdint>

namespace fendwick {

class Bitmap;
class ControlListener;

// The base of knobs, switches and text displays. The value is normally
// 0..1; the control is dirty while the value differs from the value last
// drawn. Lives in a frame (which holds a reference to it); mouse handling
// runs on the window thread, set value may come from any thread.
class Control : public View {
public:
    Control(const Rect& size, ControlListener* listener, int32_t tag, Bitmap* background);
    ~Control() override;

    // Asks the frame's editor to keep the host alive during a drag.
    virtual void idleWait();
    virtual void setValue(float value) { value_ = value; }
    virtual float value() const { return value_; }
    virtual void setMin(float minimum) { minimum_ = minimum; }
    virtual float min() const { return minimum_; }
    virtual void setMax(float maximum) { maximum_ = maximum; }
    virtual float max() const { return maximum_; }
    virtual void setOldValue(float value) { oldValue_ = value; }
    virtual float oldValue() const { return oldValue_; }
    virtual void setDefaultValue(float value) { defaultValue_ = value; }
    virtual float defaultValue() const { return defaultValue_; }
    virtual void setTag(int32_t tag) { tag_ = tag; }
    virtual int32_t tag() const { return tag_; }
    // Releases the old picture and takes a reference to the new one.
    virtual void setBackground(Bitmap* background);
    virtual Bitmap* background() const { return background_; }
    // Where in the background picture drawing starts.
    virtual void setBackgroundOffset(const Point& offset) { backgroundOffset_ = offset; }
    virtual const Point& backgroundOffset() const { return backgroundOffset_; }
    // Makes the offset the view's own top-left corner (a background shared
    // with the frame).
    virtual void setBackgroundOffsetToSize();
    virtual float wheelIncrement() const { return wheelIncrement_; }
    // Clamps the value into minimum..maximum.
    virtual void bounceValue();

    bool isDirty() const override;
    // True makes the control differ from what it drew; false marks the
    // value as drawn.
    void setDirty(bool dirty) override;

protected:
    ControlListener* listener() const { return listener_; }
    // After a draw: the value read before drawing counts as shown, so that a
    // value another thread set in the meantime still reads as dirty.
    void markDrawn(float drawnValue);
    // Tells the listener when the value differs from what was drawn.
    void notifyIfDirty(DrawContext* context);
    // The host's begin-edit and end-edit notices, through the editor.
    void beginEdit();
    void endEdit();
    // The pointer's state word and position, read from the frame's window.
    int32_t mouseState() const;
    Point currentLocation() const;
    // Draws the background picture from `from` into the view, transparent
    // when the view's transparency is set.
    void drawBackground(DrawContext& context, const Point& from) const;

private:
    ControlListener* listener_;
    int32_t tag_;
    float oldValue_ = 1.0f;
    float defaultValue_ = 0.5f;
    float value_ = 0.0f;
    float minimum_ = 0.0f;
    float maximum_ = 1.0f;
    float wheelIncrement_ = 0.1f;
    Bitmap* background_;
    Point backgroundOffset_{};
};

}  // namespace fendwick
