// A rotary control: 270 degrees of travel from lower left, clockwise through
// the top, to lower right, dragged circularly or linearly.
#pragma once

#include "color.h"
#include "color_table.h"
#include "control.h"

#include <cstdint>

namespace fendwick {

// Angles are radians, counter-clockwise from the right with y upwards.
// Mouse, wheel and keys clamp the value; set value does not.
class Knob : public Control {
public:
    Knob(const Rect& size, ControlListener* listener, int32_t tag, Bitmap* background, Bitmap* handle,
         const Point& offset);
    ~Knob() override;

    void draw(DrawContext& context) override;
    void mouse(DrawContext& context, const Point& where) override;
    int32_t keyDown(const KeyEvent& key) override;
    bool wheel(DrawContext* context, const Point& where, float distance) override;

    // Without a handle picture: a line in the shadow colour and, 1 pixel
    // right and up, one in the handle colour.
    virtual void drawHandle(DrawContext& context);
    virtual void setStartAngle(float radians);
    virtual float startAngle() const { return startAngle_; }
    // Negative ranges turn clockwise.
    virtual void setRangeAngle(float radians);
    virtual float rangeAngle() const { return rangeAngle_; }
    // Where the handle of a value lies, relative to the view's top-left.
    virtual Point valueToPoint(float value) const;
    // The value of a point relative to the view's top-left. In the gap
    // below the travel a point gives the nearer end.
    virtual float pointToValue(const Point& where) const;
    virtual void setInset(int32_t inset) { inset_ = inset; }
    virtual void setShadowColor(Color color) { shadowColor_ = color; }
    virtual void setHandleColor(Color color) { handleColor_ = color; }
    virtual void setHandleBitmap(Bitmap* handle);
    // Linear drags with Shift take this many times more pixels.
    virtual void setZoomFactor(float factor) { zoomFactor_ = factor; }
    virtual float zoomFactor() const { return zoomFactor_; }

private:
    // Pixels of linear drag for the whole range.
    float linearPixels(bool shift) const;

    Color handleColor_ = whiteColor;
    Color shadowColor_ = greyColor;
    Bitmap* handle_;
    int32_t inset_;
    float startAngle_ = 3.9269907f;
    float rangeAngle_ = -4.712389f;
    float halfDeadZone_ = 0.7853982f;
    float radius_;
    float zoomFactor_ = 1.5f;
};

}  // namespace fendwick
