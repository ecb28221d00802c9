// Turns X key events and pointer state into the toolkit's KeyEvent and
// mouse state word.
#include "key_translation.h"

#include <X11/keysym.h>

namespace fendwick {

namespace {

uint8_t virtualKeyOf(KeySym keysym)
{
    // The keypad's arrows count too when Num Lock is off.
    switch (keysym) {
    case XK_Left:
    case XK_KP_Left:
        return VirtualKeyCode::left;
    case XK_Up:
    case XK_KP_Up:
        return VirtualKeyCode::up;
    case XK_Right:
    case XK_KP_Right:
        return VirtualKeyCode::right;
    case XK_Down:
    case XK_KP_Down:
        return VirtualKeyCode::down;
    default:
        return 0;
    }
}

}  // namespace

KeyEvent keyEventFor(KeySym keysym, const char* text, int textLength, unsigned int state)
{
    KeyEvent key;
    key.virtualKey = virtualKeyOf(keysym);
    if (key.virtualKey == 0 && textLength > 0) {
        key.character = static_cast<unsigned char>(text[0]);
    }
    if ((state & ShiftMask) != 0) {
        key.modifiers |= KeyModifierBit::shift;
    }
    if ((state & Mod1Mask) != 0) {
        key.modifiers |= KeyModifierBit::alternate;
    }
    if ((state & ControlMask) != 0) {
        key.modifiers |= KeyModifierBit::control;
    }
    return key;
}

int32_t mouseStateFor(unsigned int state)
{
    // The server applies the user's button swap in its pointer mapping, so
    // button 1 is always the primary one.
    int32_t word = 0;
    if ((state & Button1Mask) != 0) {
        word |= MouseState::primary;
    }
    if ((state & Button2Mask) != 0) {
        word |= MouseState::middle;
    }
    if ((state & Button3Mask) != 0) {
        word |= MouseState::secondary;
    }
    if ((state & ShiftMask) != 0) {
        word |= MouseState::shift;
    }
    if ((state & ControlMask) != 0) {
        word |= MouseState::control;
    }
    if ((state & Mod1Mask) != 0) {
        word |= MouseState::alt;
    }
    return word;
}

int32_t mouseStateBitOfButton(unsigned int button)
{
    switch (button) {
    case Button1:
        return MouseState::primary;
    case Button2:
        return MouseState::middle;
    case Button3:
        return MouseState::secondary;
    default:
        return 0;
    }
}

}  // namespace fendwick
