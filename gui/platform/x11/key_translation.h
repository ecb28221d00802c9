// Turns X key events and pointer state into the toolkit's KeyEvent and
// mouse state word.
#pragma once

#include "platform_window.h"

#include <X11/X.h>

#include <cstdint>

namespace fendwick {

// The key as the plug-in interface names it: arrow keys become their virtual
// key codes, other keys give the character the keyboard produced (text holds
// the bytes that XLookupString made), and Shift, Alt and Control of the
// event's state become the modifier bits.
KeyEvent keyEventFor(KeySym keysym, const char* text, int textLength, unsigned int state);

// The MouseState word for an X pointer state mask (buttons and modifiers).
int32_t mouseStateFor(unsigned int state);

// The MouseState bit of pointer button 1, 2 or 3; 0 for any other button.
int32_t mouseStateBitOfButton(unsigned int button);

}  // namespace fendwick
