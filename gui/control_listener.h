// What a control tells when its value changes.
#pragma once

namespace fendwick {

class Control;
class DrawContext;

// Implemented by the editors. Called on the window thread with the context
// the control is drawing with, or null (keys, the host's wheel request).
class ControlListener {
public:
    virtual void valueChanged(DrawContext* context, Control* control) = 0;

protected:
    ~ControlListener() = default;
};

}  // namespace fendwick
