// What the toolkit asks of the editor that owns a frame.
#pragma once

#include <cstdint>

namespace fendwick {

// Implemented by the editor base; a frame holds it without owning it. Called
// on the user-interface thread while a control tracks the mouse.
class EditorLink {
public:
    // Keeps the host alive while a mouse button is held on a control.
    virtual void idleWait() = 0;
    // The host's begin-edit and end-edit notices around a mouse drag.
    virtual void beginEdit(int32_t tag) = 0;
    virtual void endEdit(int32_t tag) = 0;

protected:
    ~EditorLink() = default;
};

}  // namespace fendwick
