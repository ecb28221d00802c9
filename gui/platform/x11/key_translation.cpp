// Turns X key events and pointer state into the toolkit's KeyEvent and
// mouse state word.
#include "key_translation.h"

#include <X11/keysym.h>

namespace fendwick {

namespace {

// The plug-in interface's virtual key codes and modifier bits that a key
// record carries.
constexpr uint8_t virtualKeyLeft = 11;
constexpr uint8_t virtualKeyUp = 12;
constexpr uint8_t virtualKeyRight = 13;
constexpr uint8_t virtualKeyDown = 14;
constexpr uint8_t modifierShift = 1;
constexpr uint8_t modifierAlternate = 2;
constexpr uint8_t modifierControl = 8;

uint8_t virtualKeyOf(KeySym keysym)
{
    // The keypad's arrows count too when Num Lock is off.
    switch (keysym) {
    case XK_Left:
    case XK_KP_Left:
        return virtualKeyLeft;
    case XK_Up:
    case XK_KP_Up:
        return virtualKeyUp;
    case XK_Right:
    case XK_KP_Right:
        return virtualKeyRight;
    case XK_Down:
    case XK_KP_Down:
        return virtualKeyDown;
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
        key.modifiers |= modifierShift;
    }
    if ((state & Mod1Mask) != 0) {
        key.modifiers |= modifierAlternate;
    }
    if ((state & ControlMask) != 0) {
        key.modifiers |= modifierControl;
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
