// Lets a control see the button of a click held even when the click was
// over before the window got to hand it on.
#pragma once

#include <cstdint>

namespace fendwick {

// The window hands on its events only during the editor's idle, so a short
// click may already be released when the control polls the mouse state; the
// control would then ignore the click. While the window hands on a press, the
// latch holds the mouse state word of that press, and the first poll that
// finds its button up answers the held state once instead. Owned by one
// window and used on its thread.
class PressLatch {
public:
    // The press's mouse state word, including the pressed button's bit.
    void pressed(int32_t stateAtPress, int32_t buttonBit);
    // The press has been handed on; polls answer the system's state again.
    void handed() { latched_ = 0; }
    // The state word a poll answers when the system reports stateNow.
    int32_t filter(int32_t stateNow);

private:
    int32_t latched_ = 0;
    int32_t buttonBit_ = 0;
};

}  // namespace fendwick
