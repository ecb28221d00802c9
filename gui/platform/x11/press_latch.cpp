// Lets a control see the button of a click held even when the click was
// over before the window got to hand it on.
#include "press_latch.h"

namespace fendwick {

void PressLatch::pressed(int32_t stateAtPress, int32_t buttonBit)
{
    latched_ = stateAtPress | buttonBit;
    buttonBit_ = buttonBit;
}

int32_t PressLatch::filter(int32_t stateNow)
{
    if (latched_ == 0) {
        return stateNow;
    }
    const int32_t held = latched_;
    latched_ = 0;
    // A button still down is the real press: the drag goes on as polled.
    return (stateNow & buttonBit_) != 0 ? stateNow : held;
}

}  // namespace fendwick
